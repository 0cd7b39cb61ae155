#include "template_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::TemplateFixture;

static QStringList names(const std::vector<TemplateEntry>& entries) {
    QStringList list;
    for (const auto& e : entries)
        list << e.name;
    return list;
}

TEST(TemplateIndex, PathsUnderTheProgramDirectoryWithThePlatformsSeparator) {
    EXPECT_EQ(TemplateIndex::directory("C:\\PROG\\", Platform::Windows), "C:\\PROG\\template");
    EXPECT_EQ(TemplateIndex::filePath("C:\\PROG\\", 3, Platform::Windows), "C:\\PROG\\template\\temp3.tpl");
    EXPECT_EQ(TemplateIndex::filePath("/opt/zorvel/", 12, Platform::Posix), "/opt/zorvel/template/temp12.tpl");
}

TEST(TemplateIndex, WithoutASectionTheFirstTemplateIsNumberOne) {
    TemplateFixture fx;
    TemplateIndex index(fx.ini, fx.programDir);
    EXPECT_FALSE(index.hasTemplates());
    EXPECT_TRUE(index.usableTemplates().empty());

    EXPECT_EQ(index.store("Home page", "My start"), 1);
    EXPECT_TRUE(QFileInfo(fx.programDir + "template").isDir());
    EXPECT_EQ(fx.key("No_Templates"), "1");
    EXPECT_EQ(fx.key("TempName_1"), "Home page");
    EXPECT_EQ(fx.key("TempDescr_1"), "My start");
    EXPECT_EQ(fx.key("TempFile_1"), fx.programDir + "template/temp1.tpl");
}

TEST(TemplateIndex, UsableNeedsAFileThatExistsAndAName) {
    TemplateFixture fx;
    fx.plant(1, "Good");
    fx.plant(2, "No file");
    QFile::remove(TemplateIndex::filePath(fx.programDir, 2));
    fx.plant(3, "");
    fx.plant(4, "Empty file key");
    fx.ini.writeString("Templates", "TempFile_4", "");
    fx.plant(5, "Also good", "descr");
    TemplateIndex index(fx.ini, fx.programDir);
    EXPECT_EQ(names(index.usableTemplates()), QStringList({"Good", "Also good"}));
    EXPECT_EQ(index.usableTemplates().back().description, "descr");
    EXPECT_EQ(index.usableTemplates().back().number, 5);
}

// Only files in the template folder are templates, however the entry names them.
TEST(TemplateIndex, AnEntryLeadingOutOfTheTemplateFolderIsNotUsable) {
    TemplateFixture fx;
    const QString dir = TemplateIndex::directory(fx.programDir);
    fx.plant(1, "Good");
    fx.tmp.write("zor-vel-secret.txt", "x");
    const QString outside = fx.programDir + "zor-vel-secret.txt";
    const QString cases[] = {outside,
                             dir + "/../zor-vel-secret.txt",
                             dir + "/../template-x/../zor-vel-secret.txt",
                             dir + "x/../../zor-vel-secret.txt",
                             "../zor-vel-secret.txt",
                             dir + "/link.tpl"};
    QFile::link(outside, dir + "/link.tpl");
    fx.ini.writeInteger("Templates", "No_Templates", 2);
    fx.ini.writeString("Templates", "TempName_2", "Trap");
    TemplateIndex index(fx.ini, fx.programDir);
    for (const QString& file : cases) {
        fx.ini.writeString("Templates", "TempFile_2", file);
        EXPECT_EQ(names(index.usableTemplates()), QStringList({"Good"})) << file.toStdString();
    }
    // A folder below the template folder, and the other platform's spelling.
    EXPECT_TRUE(TemplateIndex::isInside(dir + "/old/temp2.tpl", dir));
    EXPECT_TRUE(TemplateIndex::isInside("c:\\prog\\TEMPLATE\\temp2.tpl", "C:\\PROG\\template", Platform::Windows));
    EXPECT_FALSE(
        TemplateIndex::isInside("C:\\PROG\\template\\..\\zor-vel.ini", "C:\\PROG\\template", Platform::Windows));
    EXPECT_FALSE(TemplateIndex::isInside("/opt/zorvel/TEMPLATE/temp2.tpl", "/opt/zorvel/template", Platform::Posix));
}

TEST(TemplateIndex, SavingUnderAnExactNameRewritesThatTemplateOnly) {
    TemplateFixture fx;
    fx.plant(1, "Zeta", "last");
    fx.plant(2, "Alpha", "first");
    TemplateIndex index(fx.ini, fx.programDir);
    EXPECT_EQ(index.store("Alpha", "new words"), 2);
    EXPECT_EQ(fx.key("No_Templates"), "2");
    EXPECT_EQ(fx.key("TempDescr_2"), "new words");
    EXPECT_EQ(fx.key("TempName_1"), "Zeta");
    EXPECT_EQ(fx.key("TempDescr_1"), "last");

    // Case matters: alpha is another template.
    EXPECT_EQ(index.store("alpha", ""), 3);
    EXPECT_EQ(fx.key("TempName_3"), "alpha");
    EXPECT_EQ(fx.key("TempFile_3"), TemplateIndex::filePath(fx.programDir, 3));
}

TEST(TemplateIndex, NumbersAreNeverReused) {
    TemplateFixture fx;
    fx.plant(1, "One");
    fx.plant(2, "Two");
    QFile::remove(TemplateIndex::filePath(fx.programDir, 2));
    TemplateIndex index(fx.ini, fx.programDir);
    EXPECT_EQ(names(index.usableTemplates()), QStringList({"One"}));
    // Saving under the lost template's name does not revive number 2.
    EXPECT_EQ(index.store("Two", ""), 3);
    EXPECT_EQ(fx.key("TempName_2"), "Two");
    EXPECT_EQ(fx.key("No_Templates"), "3");
}

TEST(TemplateIndex, ACountOfZeroOrBelowStillNumbersFromOne) {
    for (const char* count : {"0", "-1", "-7"}) {
        TemplateFixture fx;
        fx.ini.writeString("Templates", "No_Templates", count);
        TemplateIndex index(fx.ini, fx.programDir);
        EXPECT_EQ(index.hasTemplates(), QByteArray(count) == "0") << count;
        EXPECT_EQ(index.store("First", ""), 1) << count;
        EXPECT_EQ(fx.key("No_Templates"), "1");
    }
}

TEST(TemplateIndex, AMultiLineDescriptionIsReadBackAsItsFirstLine) {
    TemplateFixture fx;
    TemplateIndex index(fx.ini, fx.programDir);
    const int n = index.store("Letter", "Dear reader,\nsecond line\nNo_Templates=50");
    EXPECT_EQ(index.entry(n).description, "Dear reader,");
    EXPECT_EQ(fx.key("No_Templates"), "1");
}

TEST(TemplateIndex, ADirectoryThatCannotBeMadeIsAFailureAfterTheKeys) {
    TemplateFixture fx;
    fx.tmp.write("template", "a file where the directory should be");
    TemplateIndex index(fx.ini, fx.programDir);
    EXPECT_THROW(index.store("X", ""), TemplateDirectoryError);
    EXPECT_EQ(fx.key("TempName_1"), "X");
    EXPECT_EQ(fx.key("TempFile_1"), "<none>");
}
