#include "ini_profile.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::TempDir;

TEST(IniProfile, MissingFileSectionOrKeyGivesTheCallersDefault) {
    TempDir tmp;
    IniProfile ini(tmp.file("zor-vel.ini"));
    EXPECT_EQ(ini.readString("Options", "Email_Address", "x"), "x");
    EXPECT_EQ(ini.readInteger("Size", "Left", 10), 10);
    EXPECT_TRUE(ini.readBool("Options", "Show_Help", true));
    tmp.write("zor-vel.ini", "[Options]\nOther=1\n");
    EXPECT_EQ(ini.readInteger("Options", "Save_Interval", -1), -1);
    EXPECT_EQ(ini.readInteger("Size", "Save_Interval", -1), -1);
}

TEST(IniProfile, NamesMatchWithoutCaseAndBlanksAroundNamesAndValuesAreIgnored) {
    TempDir tmp;
    tmp.write("zor-vel.ini", "[ options ]\r\n  save_INTERVAL =  7 \r\nEmail_Address=\"a@b\"\r\n");
    IniProfile ini(tmp.file("zor-vel.ini"));
    EXPECT_EQ(ini.readInteger("Options", "Save_Interval", -1), 7);
    EXPECT_EQ(ini.readString("OPTIONS", "email_address", ""), "a@b");
}

TEST(IniProfile, IntegersAreDecimalOrHexAfter0xAndAnythingElseIsTheDefault) {
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"5", 5},    {"-1", -1},    {"0x5", 5}, {"0X1f", 31},       {"0x", -1},        {"0xZZ", -1},
        {"abc", -1}, {"12abc", -1}, {"", -1},   {"0xFFFFFFFF", -1}, {"0xFFFF", 65535}, {"007", 7},
    };
    TempDir tmp;
    IniProfile ini(tmp.file("zor-vel.ini"));
    for (const auto& c : cases) {
        tmp.write("zor-vel.ini", QByteArray("[Options]\nSave_Interval=") + c.text + "\n");
        EXPECT_EQ(ini.readInteger("Options", "Save_Interval", -1), c.expected) << c.text;
    }
}

TEST(IniProfile, BooleansAreIntegersWithAnyNonZeroTrue) {
    TempDir tmp;
    tmp.write("zor-vel.ini", "[Options]\nA=0\nB=2\nC=yes\n");
    IniProfile ini(tmp.file("zor-vel.ini"));
    EXPECT_FALSE(ini.readBool("Options", "A", true));
    EXPECT_TRUE(ini.readBool("Options", "B", false));
    EXPECT_FALSE(ini.readBool("Options", "C", false)); // not a number: the default
    ini.writeBool("Options", "D", true);
    EXPECT_EQ(ini.readString("Options", "D", ""), "1");
}

TEST(IniProfile, ValuesAreCutAt1023Characters) {
    TempDir tmp;
    IniProfile ini(tmp.file("zor-vel.ini"));
    ini.writeString("URLS", "URL_1", QString(1500, 'u'));
    EXPECT_EQ(ini.readString("URLS", "URL_1", "").size(), 1023);
}

TEST(IniProfile, WritingCreatesFileSectionAndKeyAndLeavesEverythingElseAlone) {
    TempDir tmp;
    IniProfile ini(tmp.file("zor-vel.ini"));
    ini.writeInteger("Size", "Left", 300);
    EXPECT_EQ(ini.readInteger("Size", "Left", 10), 300);

    tmp.write("zor-vel.ini", "; my settings\r\n[Options]\r\nShow_Help=0\r\n\r\n[Size]\r\nLeft=1\r\nTop=2\r\n\r\n"
                             "[Mine]\r\nkeep = this\r\n");
    ini.writeInteger("size", "TOP", 20);
    ini.writeInteger("Size", "Width", 800);
    ini.writeString("Files", "Open_Dir", "/tmp/");
    EXPECT_EQ(tmp.read("zor-vel.ini"),
              QByteArray("; my settings\r\n[Options]\r\nShow_Help=0\r\n\r\n[Size]\r\nLeft=1\r\n"
                         "TOP=20\r\nWidth=800\r\n\r\n[Mine]\r\nkeep = this\r\n\r\n"
                         "[Files]\r\nOpen_Dir=/tmp/\r\n"));
}

TEST(IniProfile, AValueWithALineBreakIsStoredAsItsFirstLineAndCannotPlantKeys) {
    TempDir tmp;
    IniProfile ini(tmp.file("zor-vel.ini"));
    ini.writeString("Templates", "TempDescr_1", "first line\r\nNo_Templates=99");
    EXPECT_EQ(ini.readString("Templates", "TempDescr_1", ""), "first line");
    EXPECT_EQ(ini.readInteger("Templates", "No_Templates", -1), -1);
}

TEST(IniProfile, ARefusedWriteRaisesUnableToWrite) {
    TempDir tmp;
    const QString path = tmp.file("missing-dir/zor-vel.ini");
    IniProfile ini(path);
    try {
        ini.writeInteger("Size", "Left", 1);
        FAIL() << "no error";
    } catch (const IniWriteError& e) {
        EXPECT_EQ(e.text(), "Unable to write to " + path);
    }
}

TEST(IniProfile, ColoursAreBgrNumbers) {
    EXPECT_EQ(colorFromNumber(65535), QColor(255, 255, 0));
    EXPECT_EQ(numberFromColor(QColor(0x11, 0x22, 0x33)), 0x332211);
}

// Loops over numbered keys stop at the last key the file holds, however large
// the stored count.
TEST(IniProfile, TheLastNumberOfNumberedKeysIsWhatTheFileHolds) {
    TempDir tmp;
    tmp.write("zor-vel.ini", "[File_History]\nNo_Files=2147483647\nFile_1=a\nfile_12=b\nFile_012=c\nFile_x=d\n"
                             "[Other]\nFile_99=e\n");
    const IniSnapshot ini = IniProfile(tmp.file("zor-vel.ini")).snapshot();
    EXPECT_EQ(ini.lastNumber("file_history", "File_"), 12);
    EXPECT_EQ(ini.lastNumber("Templates", "TempFile_"), 0);
    EXPECT_EQ(ini.readString("FILE_HISTORY", "FILE_12", ""), "b");
}

// Start-up reads a few sections of a file that may have grown to megabytes:
// only those are kept, read as the whole file would read them.
TEST(IniProfile, ASnapshotOfSomeSectionsKeepsOnlyThoseAndReadsThemAlike) {
    TempDir tmp;
    QByteArray text = "\xEF\xBB\xBF[Options]\r\nEmail_Address=zo\xC3\xAB\r\n[Templates]\n";
    for (int n = 1; n <= 100000; ++n)
        text += "TempName_" + QByteArray::number(n) + "=a template\n";
    text += "  [size]\nWidth=640\n[Options]\nEmail_Address=second\n";
    const QString path = tmp.write("zor-vel.ini", text);
    const IniSnapshot some(path, {QStringLiteral("OPTIONS"), QStringLiteral("Size")});
    EXPECT_EQ(some.readString("Options", "Email_Address", ""), QString::fromUtf8("zo\xC3\xAB"));
    EXPECT_EQ(some.readInteger("Size", "Width", 0), 640);
    EXPECT_FALSE(some.hasKey("Templates", "TempName_1"));
    const IniSnapshot all(path);
    EXPECT_EQ(all.readString("Options", "Email_Address", ""), QString::fromUtf8("zo\xC3\xAB"));
    EXPECT_EQ(all.lastNumber("Templates", "TempName_"), 100000);
    EXPECT_EQ(IniProfile(path).readInteger("size", "width", 0), 640);
    // One byte that is no UTF-8 makes the whole file Latin-1, as writing reads it.
    tmp.write("zor-vel.ini", "[Options]\nEmail_Address=zo\xC3\xAB\n[Other]\nx=\xFF\n");
    EXPECT_EQ(IniSnapshot(path, {QStringLiteral("Options")}).readString("Options", "Email_Address", ""),
              QString::fromLatin1("zo\xC3\xAB"));
}
