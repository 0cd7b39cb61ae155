// Writing files when the system refuses: a full disk, a size limit reached
// midway, a folder that refuses new files. Either every byte reaches the disk
// or the old file stays whole, and the failure says why.
#include "atomic_write.h"
#include "full_disk.h"
#include "ini_profile.h"
#include "temp_dir.h"
#include "text_file.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zorvel;
using zorvel::testing::FullDisk;
using zorvel::testing::TempDir;

namespace {

const QByteArray kOldPage = QByteArray("<HTML>old page</HTML>\r\n").repeated(400); // about 9 KB
const QString kNewPage = QString("<P>new text</P>\r\n").repeated(4000);            // about 68 KB

// Both writers the program has: the document save and the settings file.
void saveDocument(const QString& path) {
    saveTextFile(path, kNewPage, {});
}
void writeSetting(const QString& path) {
    IniProfile(path).writeString("Options", "Email_Address", QString(70000, QChar('a')));
}

struct Writer {
    const char* name;
    void (*write)(const QString&);
};
const Writer kWriters[] = {{"document", saveDocument}, {"settings", writeSetting}};

// Runs the writer, expects a failure naming the reason, and the old file whole.
void expectRefused(const Writer& w, const QString& path, const char* reason) {
    try {
        w.write(path);
        ADD_FAILURE() << w.name << ": the write reported success";
    } catch (const std::exception& e) {
        const QString text = errorText(e);
        if (const auto* ini = dynamic_cast<const IniWriteError*>(&e))
            EXPECT_EQ(ini->reason(), reason) << w.name;
        else
            EXPECT_TRUE(text.endsWith(reason)) << w.name << ": " << e.what();
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), kOldPage) << w.name;
}

} // namespace

// The old 9 KB file on a 64 KB disk: the new text cannot fit.
TEST(FileWrite, AFullDiskIsAFailureAndLeavesTheOldFile) {
    for (const Writer& w : kWriters) {
        FullDisk disk;
        if (!disk.mounted())
            GTEST_SKIP() << "mounting a small tmpfs needs root";
        const QString path = disk.file("page.htm");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kOldPage);
        f.close();
        expectRefused(w, path, "No space left on device");
    }
}

TEST(FileWrite, AWriteThatFailsMidwayLeavesTheOldFile) {
    // A file-size limit makes the write stop after 16 KB, as a quota would.
    std::signal(SIGXFSZ, SIG_IGN);
    for (const Writer& w : kWriters) {
        TempDir tmp;
        const QString path = tmp.write("page.htm", kOldPage);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 16 * 1024;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        expectRefused(w, path, "File too large");
        ::setrlimit(RLIMIT_FSIZE, &old);
    }
}

// A folder that refuses new files (so no temporary file beside the target) but
// a file that may be written: the save writes in place. Root ignores folder
// permissions, so a child process gives them up first.
TEST(FileWrite, AWritableFileInAReadOnlyFolderIsSavedInPlace) {
    TempDir tmp;
    const QString dir = tmp.file("site");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString path = dir + "/page.htm";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kOldPage);
    f.close();
    const passwd* nobody = ::getpwnam("nobody");
    const bool root = ::geteuid() == 0;
    if (root && !nobody)
        GTEST_SKIP() << "no unprivileged user to run as";
    if (root) {
        ::chmod(QFile::encodeName(tmp.path()).constData(), 0755);
        ::chown(QFile::encodeName(dir).constData(), nobody->pw_uid, nobody->pw_gid);
        ::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid);
    }
    ::chmod(QFile::encodeName(dir).constData(), 0555);
    const pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0))
            ::_exit(2);
        try {
            saveDocument(path);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(QFile::encodeName(dir).constData(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), encodeText(kNewPage, {}));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 1); // no temporary file left
}

TEST(FileWrite, ASaveAsRootKeepsTheOwnerAndGroup) {
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || !nobody)
        GTEST_SKIP() << "only root can save another user's file";
    TempDir tmp;
    const QString path = tmp.write("page.htm", kOldPage);
    ::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid);
    ::chmod(QFile::encodeName(path).constData(), 0640);
    saveDocument(path);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, nobody->pw_uid);
    EXPECT_EQ(st.st_gid, nobody->pw_gid);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A device is written into, never replaced by a file renamed over it.
TEST(FileWrite, ADeviceIsWrittenIntoAndKeptADevice) {
    const QString full = QStringLiteral("/dev/full");
    if (!QFileInfo::exists(full))
        GTEST_SKIP() << "no /dev/full";
    try {
        writeFileAtomically(full, kOldPage);
        ADD_FAILURE() << "the write reported success";
    } catch (const FileWriteError& e) {
        EXPECT_EQ(e.systemReason(), "No space left on device");
    }
    struct stat st {};
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_TRUE(QDir("/dev").entryList({"full.*"}, QDir::Files | QDir::Hidden).isEmpty());
}
