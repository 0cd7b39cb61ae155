#include "command_line.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace zorvel {

namespace {

// Wider than any screen, small enough that a whole rendered page still fits in memory.
constexpr int kMaxControlWidth = 16384;

struct OptionRow {
    QStringList names;
    const char* valueName; // empty for a switch
    const char* shown;     // as the help lists it
    const char* description;
};

// The modes first, then the options; the help lists them in this order.
const OptionRow kModes[] = {
    {{"dump"}, "", "--dump PAGE", "print PAGE's document model as a tree"},
    {{"render"}, "", "--render PAGE OUT.png", "paint PAGE as the viewer shows it into a PNG file"},
    {{"print-pdf"}, "", "--print-pdf PAGE OUT.pdf", "print PAGE on A4 as the preview prints it, to a PDF"},
    {{"h", "help", "?"}, "", "-h, --help", "show this help and exit"},
    {{"v", "version"}, "", "-v, --version", "show the version and exit"},
};
const OptionRow kOptions[] = {
    {{"width"}, "N", "--width N", "lay out for a viewer N pixels wide (default 800)"},
    {{"pages"}, "F-T", "--pages F-T", "print pages F to T only, or page N alone"},
};

// Qt's own options, handed on to the application object; the help does not list them.
struct ToolkitOption {
    const char* name;
    bool hasValue;
};
const ToolkitOption kToolkitOptions[] = {
    {"platform", true},    {"platformpluginpath", true}, {"platformtheme", true},   {"plugin", true},
    {"style", true},       {"stylesheet", true},         {"qwindowgeometry", true}, {"qwindowtitle", true},
    {"qwindowicon", true}, {"geometry", true},           {"display", true},         {"session", true},
    {"reverse", false},    {"widgetcount", false},
};

QCommandLineOption makeOption(const OptionRow& row) {
    return QCommandLineOption(row.names, QLatin1String(row.description), QLatin1String(row.valueName));
}

// "F-T" or a single page "N"; pages count from 1.
bool parsePages(const QString& text, int& first, int& last) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})(?:-(\\d{1,9}))?$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    first = m.captured(1).toInt();
    last = m.hasCaptured(2) ? m.captured(2).toInt() : first;
    return first >= 1 && last >= first;
}

CommandLine usageError(const QString& error) {
    CommandLine result;
    result.mode = RunMode::UsageError;
    result.error = error;
    return result;
}

// The names a mode takes after its option, as the messages name them.
QStringList positionalNames(RunMode mode) {
    switch (mode) {
    case RunMode::Dump:
        return {QStringLiteral("PAGE")};
    case RunMode::Render:
        return {QStringLiteral("PAGE"), QStringLiteral("OUT.png")};
    case RunMode::PrintPdf:
        return {QStringLiteral("PAGE"), QStringLiteral("OUT.pdf")};
    default:
        return {QStringLiteral("FILE")};
    }
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are written with one dash (-style fusion), so a word after one dash is a name, never letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& row : kModes)
        parser.addOption(makeOption(row));
    for (const OptionRow& row : kOptions)
        parser.addOption(makeOption(row));
    for (const ToolkitOption& t : kToolkitOptions)
        parser.addOption(
            QCommandLineOption(QLatin1String(t.name), QString(), t.hasValue ? QStringLiteral("value") : QString()));
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    CommandLine result;
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        result.mode = parser.isSet(QStringLiteral("help")) ? RunMode::Help : RunMode::Version;
        return result;
    }

    QStringList modes;
    const struct {
        const char* name;
        RunMode mode;
    } modeNames[] = {{"dump", RunMode::Dump}, {"render", RunMode::Render}, {"print-pdf", RunMode::PrintPdf}};
    for (const auto& m : modeNames) {
        if (parser.isSet(QLatin1String(m.name))) {
            modes << QStringLiteral("--") + QLatin1String(m.name);
            result.mode = m.mode;
        }
    }
    if (modes.size() > 1)
        return usageError(QStringLiteral("%1 cannot be used together.").arg(modes.join(QLatin1String(" and "))));

    const bool laysOut = result.mode == RunMode::Dump || result.mode == RunMode::Render;
    if (parser.isSet(QStringLiteral("width"))) {
        if (!laysOut)
            return usageError(QStringLiteral("--width goes with --dump or --render."));
        bool ok = false;
        const QString text = parser.value(QStringLiteral("width"));
        const int width = text.toInt(&ok);
        if (!ok || width < 1 || width > kMaxControlWidth)
            return usageError(QStringLiteral("--width needs a number of pixels from 1 to %1, not '%2'.")
                                  .arg(kMaxControlWidth)
                                  .arg(text));
        result.width = width;
    }
    if (parser.isSet(QStringLiteral("pages"))) {
        if (result.mode != RunMode::PrintPdf)
            return usageError(QStringLiteral("--pages goes with --print-pdf."));
        const QString text = parser.value(QStringLiteral("pages"));
        if (!parsePages(text, result.firstPage, result.lastPage))
            return usageError(QStringLiteral("--pages needs F-T or N, pages counted from 1, not '%1'.").arg(text));
    }

    const QStringList names = positionalNames(result.mode);
    const QStringList given = parser.positionalArguments();
    if (given.size() > names.size())
        return usageError(QStringLiteral("Unexpected argument '%1'.").arg(given[names.size()]));
    if (result.mode != RunMode::Editor && given.size() < names.size())
        return usageError(QStringLiteral("Missing %1 after %2.").arg(names[given.size()], modes.first()));
    if (result.mode == RunMode::Editor) {
        result.file = given.value(0);
    } else {
        result.page = given[0];
        result.output = given.value(1);
    }

    for (const ToolkitOption& t : kToolkitOptions) {
        const QString name = QLatin1String(t.name);
        if (!t.hasValue && parser.isSet(name))
            result.toolkitArguments << QLatin1Char('-') + name;
        if (t.hasValue) {
            for (const QString& value : parser.values(name))
                result.toolkitArguments << QLatin1Char('-') + name << value;
        }
    }
    return result;
}

bool needsDisplay(RunMode mode) {
    return mode == RunMode::Editor;
}

QString usageText() {
    return QStringLiteral("Usage: zorvel [--] [FILE]\n"
                          "       zorvel --dump PAGE [--width N]\n"
                          "       zorvel --render PAGE OUT.png [--width N]\n"
                          "       zorvel --print-pdf PAGE OUT.pdf [--pages F-T]\n"
                          "       zorvel --help | --version\n");
}

QString versionNumber() {
    return QStringLiteral(ZORVEL_VERSION);
}

QString versionText() {
    return QStringLiteral("zorvel ") + versionNumber() + QLatin1Char('\n');
}

QString helpText() {
    const auto lines = [](const auto& rows) {
        QString text;
        for (const OptionRow& row : rows)
            text += QStringLiteral("  %1  %2\n").arg(QLatin1String(row.shown), -24).arg(QLatin1String(row.description));
        return text;
    };
    return QStringLiteral("Zorvel edits HTML pages and shows them with a page viewer of its own.\n\n") + usageText() +
           QStringLiteral("\nModes:\n  %1  %2\n")
               .arg(QStringLiteral("FILE"), -24)
               .arg(QStringLiteral("open FILE (or a blank page) in the editor")) +
           lines(kModes) + QStringLiteral("\nOptions:\n") + lines(kOptions) +
           QStringLiteral("  %1  %2\n")
               .arg(QStringLiteral("--"), -24)
               .arg(QStringLiteral("what follows is a file, even if it starts with \"-\"")) +
           QStringLiteral("\nOnly the editor needs a display. Exit status: 0 done, 1 a page could not be read\n"
                          "or a file not written, 2 a usage error. The manual: man zorvel\n");
}

} // namespace zorvel
