#include "external_browser.h"

#include <QProcess>

namespace zorvel {

// The hidden labels that hold the browsers' paths carry their own names until set.
static constexpr const char* kPathLabelNames[] = {"Browser_Address1", "Browser_Address2"};
static constexpr const char* kSettingsKeys[] = {"Browser_Address", "Browser_Address_2"};
static constexpr const char* kGlyphNames[] = {"browser1.bmp", "browser2.bmp"};
// Start-up reads this for a missing second browser: a name that never exists.
static constexpr const char* kMissingSecondBrowser = "-1.-1";

static int slotIndex(int slot) {
    return slot == 2 ? 1 : 0;
}

QString browserSettingsKey(int slot) {
    return QString::fromLatin1(kSettingsKeys[slotIndex(slot)]);
}

QString browserGlyphPath(const QString& programDir, int slot) {
    return programDir + QLatin1String(kGlyphNames[slotIndex(slot)]);
}

QString tempPreviewPath(const QString& programDir) {
    return programDir + QLatin1String(kTempPreviewFileName);
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= ' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

QString browserCaption(const QString& browserPath, Platform platform) {
    const QString name = fileNameOnly(browserPath, platform);
    if (name.compare(QLatin1String("netscape.exe"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Netscape");
    if (name.compare(QLatin1String("iexplore.exe"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Explorer");
    return {};
}

BrowserButtonState browserButtonFor(const QString& path, const QString& glyphPath, bool haveGlyph, Platform platform) {
    BrowserButtonState state;
    state.shown = true;
    state.path = path;
    state.glyphPath = haveGlyph ? glyphPath : QString();
    state.caption = browserCaption(path, platform);
    if (!haveGlyph && state.caption.isEmpty())
        state.caption = fileNameOnly(trimBlanks(path), platform);
    return state;
}

BrowserButtonState setupBrowserButton(int slot, const IniProfile& ini, const QString& programDir,
                                      const FileExists& exists, const BrowserIconSource& iconFor, Platform platform) {
    const QString def = slot == 2 ? programDir + QLatin1String(kMissingSecondBrowser) : QString();
    const QString path = ini.readString(QStringLiteral("Options"), browserSettingsKey(slot), def);
    if (path.isEmpty() || !exists(path))
        return {};
    const QString glyph = browserGlyphPath(programDir, slot);
    if (!fileExists(glyph))
        makeBrowserGlyph(path, glyph, iconFor);
    return browserButtonFor(path, glyph, fileExists(glyph), platform);
}

BrowserPreviewPlan planBrowserPreview(const BrowserPreviewInput& in) {
    BrowserPreviewPlan plan;
    if (in.labelText.isEmpty() || in.labelText == QLatin1String(kPathLabelNames[slotIndex(in.slot)]))
        return plan;
    // A missing second browser still gets the document written; its start then fails.
    if ((in.slot == 1 && !in.browserExists) || !in.documentOpen)
        return plan;
    plan.browserPath = trimBlanks(in.labelText);
    plan.documentFile = in.documentFileName;
    if (!in.modified)
        plan.action = BrowserPreviewAction::Launch;
    else if (!in.documentFileName.isEmpty())
        plan.action = BrowserPreviewAction::SaveThenLaunch;
    else {
        plan.action = BrowserPreviewAction::WriteTempThenLaunch;
        plan.documentFile = tempPreviewPath(in.programDir);
    }
    return plan;
}

void writeTempPreviewPage(const QString& path, const QString& text, TextEncoding encoding) {
    QString lines = normalizeLineBreaks(text);
    if (!lines.isEmpty() && !lines.endsWith(QLatin1Char('\n')))
        lines += QLatin1Char('\n');
    saveTextFile(path, lines, TextFormat{encoding, LineEnding::CrLf});
}

bool carryOutBrowserPreview(const BrowserPreviewPlan& plan, const BrowserPreviewDocument& document) {
    switch (plan.action) {
    case BrowserPreviewAction::Nothing:
        return false;
    case BrowserPreviewAction::Launch:
        break;
    case BrowserPreviewAction::SaveThenLaunch:
        if (document.save && !document.save())
            return false;
        break;
    case BrowserPreviewAction::WriteTempThenLaunch:
        writeTempPreviewPage(plan.documentFile, document.text ? document.text() : QString(), document.encoding);
        break;
    }
    return launchBrowser(plan.browserPath, plan.documentFile);
}

bool launchBrowser(const QString& browserPath, const QString& file) {
    if (browserPath.isEmpty())
        return false;
    QStringList arguments;
    if (!file.isEmpty())
        arguments << file;
    return QProcess::startDetached(browserPath, arguments);
}

} // namespace zorvel
