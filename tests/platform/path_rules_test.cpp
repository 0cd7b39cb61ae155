#include "path_rules.h"

#include <gtest/gtest.h>

using namespace zorvel;

TEST(PathRules, FileNameAndDirectoryOnEachPlatform) {
    EXPECT_EQ(fileNameOnly("C:\\WEB\\INDEX.HTM", Platform::Windows), "INDEX.HTM");
    EXPECT_EQ(fileNameOnly("C:INDEX.HTM", Platform::Windows), "INDEX.HTM");
    EXPECT_EQ(directoryOf("C:\\WEB\\INDEX.HTM", Platform::Windows), "C:\\WEB\\");
    EXPECT_EQ(fileNameOnly("/home/u/a\\b.htm", Platform::Posix), "a\\b.htm");
    EXPECT_EQ(directoryOf("/home/u/x.htm", Platform::Posix), "/home/u/");
    EXPECT_EQ(fileNameOnly("", Platform::Posix), "");
    EXPECT_EQ(withTrailingSeparator("C:\\PROG", Platform::Windows), "C:\\PROG\\");
    EXPECT_EQ(withTrailingSeparator("/opt/z/", Platform::Posix), "/opt/z/");
}

TEST(PathRules, CaseMattersOnlyOffWindows) {
    EXPECT_TRUE(samePath("C:\\A.HTM", "c:\\a.htm", Platform::Windows));
    EXPECT_FALSE(samePath("/a/A.htm", "/a/a.htm", Platform::Posix));
    EXPECT_EQ(storedPathForm("C:\\WEB\\INDEX.HTM", Platform::Windows), "c:\\web\\index.htm");
    EXPECT_EQ(storedPathForm("/Web/Index.htm", Platform::Posix), "/Web/Index.htm");
}

TEST(PathRules, RecentFilesNeedADriveOtherThanTheFloppiesOrAnAbsolutePath) {
    const FileExists all = [](const QString&) { return true; };
    const FileExists none = [](const QString&) { return false; };
    EXPECT_TRUE(isUsableRecentFile("c:\\x.htm", all, Platform::Windows));
    EXPECT_FALSE(isUsableRecentFile("a:\\x.htm", all, Platform::Windows));
    EXPECT_FALSE(isUsableRecentFile("B:\\y.htm", all, Platform::Windows));
    EXPECT_FALSE(isUsableRecentFile("\\\\server\\share\\z.htm", all, Platform::Windows));
    EXPECT_FALSE(isUsableRecentFile("c:\\gone.htm", none, Platform::Windows));
    EXPECT_TRUE(isUsableRecentFile("/home/u/x.htm", all, Platform::Posix));
    EXPECT_FALSE(isUsableRecentFile("x.htm", all, Platform::Posix));
    EXPECT_FALSE(isUsableRecentFile("/home/u/gone.htm", none, Platform::Posix));
    EXPECT_FALSE(isUsableRecentFile("", all, Platform::Posix));
}

TEST(PathRules, ProgramDirFallsBackWhenNotWritable) {
    EXPECT_EQ(programDirFor("/usr/bin", "/home/u/.config/zorvel", false, Platform::Posix), "/home/u/.config/zorvel/");
    EXPECT_EQ(programDirFor("/opt/z", "/home/u/.config/zorvel", true, Platform::Posix), "/opt/z/");
}

#include "prompter.h"

TEST(FileFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(qtFileFilter("HTML Files|*.htm;*.html|Text Files|*.txt|All Files|*.*"),
              "HTML Files (*.htm *.html);;Text Files (*.txt);;All Files (*)");
}
