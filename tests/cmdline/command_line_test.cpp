// The command line read into a mode, its files and options, or a usage error.
#include "command_line.h"

#include <gtest/gtest.h>

using namespace zorvel;

namespace {

CommandLine parse(QStringList args) {
    args.prepend(QStringLiteral("zorvel"));
    return parseCommandLine(args);
}

TEST(CommandLine, ReadsEachModeWithItsFilesAndOptions) {
    const struct {
        QStringList args;
        RunMode mode;
        QString file, page, output;
        std::optional<int> width;
        int first, last;
    } cases[] = {
        {{}, RunMode::Editor, "", "", "", {}, 1, 9999},
        {{"page.htm"}, RunMode::Editor, "page.htm", "", "", {}, 1, 9999},
        {{"--", "-odd.htm"}, RunMode::Editor, "-odd.htm", "", "", {}, 1, 9999},
        {{"--", "--dump"}, RunMode::Editor, "--dump", "", "", {}, 1, 9999},
        {{"--dump", "p.htm"}, RunMode::Dump, "", "p.htm", "", {}, 1, 9999},
        {{"--dump", "p.htm", "--width", "600"}, RunMode::Dump, "", "p.htm", "", 600, 1, 9999},
        {{"--width=640", "--dump", "--", "-p.htm"}, RunMode::Dump, "", "-p.htm", "", 640, 1, 9999},
        {{"--render", "p.htm", "o.png"}, RunMode::Render, "", "p.htm", "o.png", {}, 1, 9999},
        {{"--render", "p.htm", "o.png", "--width", "16384"}, RunMode::Render, "", "p.htm", "o.png", 16384, 1, 9999},
        {{"--print-pdf", "p.htm", "o.pdf"}, RunMode::PrintPdf, "", "p.htm", "o.pdf", {}, 1, 9999},
        {{"--print-pdf", "p.htm", "o.pdf", "--pages", "2-3"}, RunMode::PrintPdf, "", "p.htm", "o.pdf", {}, 2, 3},
        {{"--pages", "4", "--print-pdf", "p.htm", "o.pdf"}, RunMode::PrintPdf, "", "p.htm", "o.pdf", {}, 4, 4},
        {{"--help"}, RunMode::Help, "", "", "", {}, 1, 9999},
        {{"-h"}, RunMode::Help, "", "", "", {}, 1, 9999},
        {{"--dump", "p.htm", "-?"}, RunMode::Help, "", "", "", {}, 1, 9999},
        {{"--version"}, RunMode::Version, "", "", "", {}, 1, 9999},
        {{"-v", "page.htm"}, RunMode::Version, "", "", "", {}, 1, 9999},
    };
    for (const auto& c : cases) {
        const CommandLine r = parse(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.mode, c.mode) << r.error.toStdString();
        EXPECT_EQ(r.file, c.file);
        EXPECT_EQ(r.page, c.page);
        EXPECT_EQ(r.output, c.output);
        EXPECT_EQ(r.width, c.width);
        EXPECT_EQ(r.firstPage, c.first);
        EXPECT_EQ(r.lastPage, c.last);
        EXPECT_TRUE(r.toolkitArguments.isEmpty());
    }
}

TEST(CommandLine, BadArgumentsGiveOneLineSayingWhatIsWrong) {
    const struct {
        QStringList args;
        const char* error;
    } cases[] = {
        {{"--frob"}, "Unknown option 'frob'."},
        {{"--frob", "--help"}, "Unknown option 'frob'."},
        {{"-x", "page.htm"}, "Unknown option 'x'."},
        {{"--dump", "p.htm", "--width"}, "Missing value after '--width'."},
        {{"--dump"}, "Missing PAGE after --dump."},
        {{"--render", "p.htm"}, "Missing OUT.png after --render."},
        {{"--print-pdf"}, "Missing PAGE after --print-pdf."},
        {{"--print-pdf", "p.htm", "o.pdf", "extra"}, "Unexpected argument 'extra'."},
        {{"a.htm", "b.htm"}, "Unexpected argument 'b.htm'."},
        {{"--dump", "--render", "p.htm", "o.png"}, "--dump and --render cannot be used together."},
        {{"--dump", "p.htm", "--width", "0"}, "--width needs a number of pixels from 1 to 16384, not '0'."},
        {{"--dump", "p.htm", "--width", "16385"}, "--width needs a number of pixels from 1 to 16384, not '16385'."},
        {{"--render", "p.htm", "o.png", "--width", "wide"},
         "--width needs a number of pixels from 1 to 16384, not 'wide'."},
        {{"page.htm", "--width", "600"}, "--width goes with --dump or --render."},
        {{"--print-pdf", "p.htm", "o.pdf", "--width", "600"}, "--width goes with --dump or --render."},
        {{"--render", "p.htm", "o.png", "--pages", "1"}, "--pages goes with --print-pdf."},
        {{"--print-pdf", "p.htm", "o.pdf", "--pages", "3-1"},
         "--pages needs F-T or N, pages counted from 1, not '3-1'."},
        {{"--print-pdf", "p.htm", "o.pdf", "--pages", "0"}, "--pages needs F-T or N, pages counted from 1, not '0'."},
        {{"--print-pdf", "p.htm", "o.pdf", "--pages", "2-"}, "--pages needs F-T or N, pages counted from 1, not '2-'."},
    };
    for (const auto& c : cases) {
        const CommandLine r = parse(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.mode, RunMode::UsageError);
        EXPECT_EQ(r.error, QLatin1String(c.error));
    }
}

TEST(CommandLine, QtsOwnOptionsAreHandedOnAndNamesAfterTheMarkAreNot) {
    CommandLine r = parse({"-style", "fusion", "page.htm", "-reverse", "--platform=offscreen"});
    EXPECT_EQ(r.mode, RunMode::Editor);
    EXPECT_EQ(r.file, "page.htm");
    EXPECT_EQ(r.toolkitArguments, QStringList({"-platform", "offscreen", "-style", "fusion", "-reverse"}));

    r = parse({"--", "-style"});
    EXPECT_EQ(r.file, "-style");
    EXPECT_TRUE(r.toolkitArguments.isEmpty());
}

TEST(CommandLine, TheHelpListsEveryModeAndOption) {
    const QString help = helpText();
    EXPECT_TRUE(help.contains(usageText()));
    for (const char* item : {"FILE ", "--dump PAGE ", "--render PAGE OUT.png ", "--print-pdf PAGE OUT.pdf ",
                             "-h, --help ", "-v, --version ", "--width N ", "--pages F-T ", "-- "})
        EXPECT_TRUE(help.contains(QStringLiteral("\n  ") + QLatin1String(item))) << item;
}

} // namespace
