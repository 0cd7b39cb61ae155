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
    TemplateIndex index(fx.ini);
    EXPECT_FALSE(index.hasTemplates());
    EXPECT_TRUE(index.usableTemplates().empty());

    EXPECT_EQ(index.store("Home page", "My start", fx.programDir), 1);
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
    TemplateIndex index(fx.ini);
    EXPECT_EQ(names(index.usableTemplates()), QStringList({"Good", "Also good"}));
    EXPECT_EQ(index.usableTemplates().back().description, "descr");
    EXPECT_EQ(index.usableTemplates().back().number, 5);
}

TEST(TemplateIndex, SavingUnderAnExactNameRewritesThatTemplateOnly) {
    TemplateFixture fx;
    fx.plant(1, "Zeta", "last");
    fx.plant(2, "Alpha", "first");
    TemplateIndex index(fx.ini);
    EXPECT_EQ(index.store("Alpha", "new words", fx.programDir), 2);
    EXPECT_EQ(fx.key("No_Templates"), "2");
    EXPECT_EQ(fx.key("TempDescr_2"), "new words");
    EXPECT_EQ(fx.key("TempName_1"), "Zeta");
    EXPECT_EQ(fx.key("TempDescr_1"), "last");

    // Case matters: alpha is another template.
    EXPECT_EQ(index.store("alpha", "", fx.programDir), 3);
    EXPECT_EQ(fx.key("TempName_3"), "alpha");
    EXPECT_EQ(fx.key("TempFile_3"), TemplateIndex::filePath(fx.programDir, 3));
}

TEST(TemplateIndex, NumbersAreNeverReused) {
    TemplateFixture fx;
    fx.plant(1, "One");
    fx.plant(2, "Two");
    QFile::remove(TemplateIndex::filePath(fx.programDir, 2));
    TemplateIndex index(fx.ini);
    EXPECT_EQ(names(index.usableTemplates()), QStringList({"One"}));
    // Saving under the lost template's name does not revive number 2.
    EXPECT_EQ(index.store("Two", "", fx.programDir), 3);
    EXPECT_EQ(fx.key("TempName_2"), "Two");
    EXPECT_EQ(fx.key("No_Templates"), "3");
}

TEST(TemplateIndex, ACountOfZeroOrBelowStillNumbersFromOne) {
    for (const char* count : {"0", "-1", "-7"}) {
        TemplateFixture fx;
        fx.ini.writeString("Templates", "No_Templates", count);
        TemplateIndex index(fx.ini);
        EXPECT_EQ(index.hasTemplates(), QByteArray(count) == "0") << count;
        EXPECT_EQ(index.store("First", "", fx.programDir), 1) << count;
        EXPECT_EQ(fx.key("No_Templates"), "1");
    }
}

TEST(TemplateIndex, AMultiLineDescriptionIsReadBackAsItsFirstLine) {
    TemplateFixture fx;
    TemplateIndex index(fx.ini);
    const int n = index.store("Letter", "Dear reader,\nsecond line\nNo_Templates=50", fx.programDir);
    EXPECT_EQ(index.entry(n).description, "Dear reader,");
    EXPECT_EQ(fx.key("No_Templates"), "1");
}

TEST(TemplateIndex, ADirectoryThatCannotBeMadeIsAFailureAfterTheKeys) {
    TemplateFixture fx;
    fx.tmp.write("template", "a file where the directory should be");
    TemplateIndex index(fx.ini);
    EXPECT_THROW(index.store("X", "", fx.programDir), TemplateDirectoryError);
    EXPECT_EQ(fx.key("TempName_1"), "X");
    EXPECT_EQ(fx.key("TempFile_1"), "<none>");
}
