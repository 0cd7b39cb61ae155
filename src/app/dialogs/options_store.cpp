#include "options_store.h"

#include "prompter.h"

namespace zorvel {

static const QString kSection = QStringLiteral("Options");
static const QString kEmailKey = QStringLiteral("Email_Address");
static const QString kShowHelpKey = QStringLiteral("Show_Help");
static const QString kHintColourKey = QStringLiteral("FlyBy_BGColour");
static constexpr const char* kEmailShown = "Your_email_address";
static constexpr const char* kEmailWhenEmpty = "Put_Your_Email_in_Options";
static constexpr int kYellow = 65535;

OptionsFields readOptionsFields(const IniProfile& ini) {
    OptionsFields f;
    f.browser1 = ini.readString(kSection, browserSettingsKey(1), QString());
    f.browser2 = ini.readString(kSection, browserSettingsKey(2), QString());
    f.emailAddress = ini.readString(kSection, kEmailKey, QString::fromLatin1(kEmailShown));
    f.showHints = ini.readBool(kSection, kShowHelpKey, true);
    // Start-up shows a negative colour as yellow; the dialog shows the same.
    const int colour = ini.readColorNumber(kSection, kHintColourKey, kYellow);
    f.hintColor = colorFromNumber(colour < 0 ? kYellow : colour);
    return f;
}

static BrowserButtonState storeBrowser(int slot, const QString& typed, bool found, const IniProfile& ini,
                                       const QString& programDir, const BrowserIconSource& iconFor, Platform platform) {
    if (!found) {
        ini.writeString(kSection, browserSettingsKey(slot), QString());
        return {};
    }
    const QString path = trimBlanks(typed);
    ini.writeString(kSection, browserSettingsKey(slot), path);
    const QString glyph = browserGlyphPath(programDir, slot);
    const bool haveGlyph = makeBrowserGlyph(path, glyph, iconFor);
    return browserButtonFor(path, glyph, haveGlyph, platform);
}

OptionsResult storeOptions(const OptionsFields& fields, const IniProfile& ini, const QString& programDir,
                           const FileExists& exists, const BrowserIconSource& iconFor, Platform platform) {
    OptionsResult result;
    result.emailAddress = fields.emailAddress.isEmpty() ? QString::fromLatin1(kEmailWhenEmpty) : fields.emailAddress;
    ini.writeString(kSection, kEmailKey, result.emailAddress);

    // The second browser is tested as typed, before trimming: a blank at its end
    // makes it "not found".
    const QString trimmed1 = trimBlanks(fields.browser1);
    result.browser1 =
        storeBrowser(1, fields.browser1, !trimmed1.isEmpty() && exists(trimmed1), ini, programDir, iconFor, platform);
    result.browser2 = storeBrowser(2, fields.browser2, !fields.browser2.isEmpty() && exists(fields.browser2), ini,
                                   programDir, iconFor, platform);

    result.showHints = fields.showHints;
    result.hintColor = fields.hintColor;
    ini.writeBool(kSection, kShowHelpKey, fields.showHints);
    ini.writeInteger(kSection, kHintColourKey, numberFromColor(fields.hintColor));
    return result;
}

QString browserFileFilter(Platform platform) {
    static constexpr const char* kFilter = "Programs|*.exe|All Files|*.*";
    const QString filter = qtFileFilter(QString::fromLatin1(kFilter));
    if (platform == Platform::Windows)
        return filter;
    // Programs have no extension here: open on "All Files", keep "Programs" second.
    QStringList entries = filter.split(QStringLiteral(";;"));
    entries.move(entries.size() - 1, 0);
    return entries.join(QStringLiteral(";;"));
}

} // namespace zorvel
