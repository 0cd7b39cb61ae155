#include "temp_dir.h"
#include "text_file.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::TempDir;

TEST(TextFile, EncodingAndLineEndingsSurviveARoundTrip) {
    const QByteArray samples[] = {
        "a\r\nb\r\n", "a\nb", "a\rb\r", "caf\xC3\xA9\r\n", "caf\xE9\n", "\xEF\xBB\xBFx\ny\n", "", "no break",
    };
    TempDir tmp;
    for (const QByteArray& bytes : samples) {
        const QString path = tmp.write("doc.htm", bytes);
        const LoadedText loaded = loadTextFile(path);
        saveTextFile(path, normalizeLineBreaks(loaded.text), loaded.format);
        EXPECT_EQ(tmp.read("doc.htm"), bytes);
    }
}

TEST(TextFile, InvalidUtf8IsLatin1AndGainsUtf8OnlyWhenItMust) {
    LoadedText t = decodeText("caf\xE9");
    EXPECT_EQ(t.format.encoding, TextEncoding::Latin1);
    EXPECT_EQ(t.text, QString::fromUtf8("caf\xC3\xA9"));
    EXPECT_EQ(encodeText(t.text + QChar(0x20AC), t.format), QByteArray("caf\xC3\xA9\xE2\x82\xAC"));
}

TEST(TextFile, MissingDirectoryAndOversizedFilesAreRefusedWithReasons) {
    TempDir tmp;
    EXPECT_THROW(loadTextFile(tmp.file("none.htm")), TextFileError);
    EXPECT_THROW(loadTextFile(tmp.path()), TextFileError);
    QFile big(tmp.file("big.htm"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxDocumentBytes + 1));
    big.close();
    try {
        loadTextFile(big.fileName());
        FAIL();
    } catch (const TextFileError& e) {
        EXPECT_NE(std::string(e.what()).find("67108865 bytes"), std::string::npos) << e.what();
    }
}
