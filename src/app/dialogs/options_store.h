#pragma once
// What "&Ok" of the options dialog stores, apart from the dialog: the e-mail
// address, the two browsers (each only when its program exists), the fly-by hints.
#include "external_browser.h"
#include "ini_profile.h"
#include "path_rules.h"

#include <QColor>
#include <QString>

namespace zorvel {

// The dialog's fields as the user left them.
struct OptionsFields {
    QString emailAddress;
    QString browser1;
    QString browser2;
    bool showHints = true;
    QColor hintColor;
};

// The settings the dialog shows, with its own defaults.
OptionsFields readOptionsFields(const IniProfile& ini);

struct OptionsResult {
    QString emailAddress;        // the new EmailAddress
    BrowserButtonState browser1; // shown == false: no browser, hide the button
    BrowserButtonState browser2;
    bool showHints = true;
    QColor hintColor;
};

// Writes Email_Address, Browser_Address, Browser_Address_2, Show_Help and
// FlyBy_BGColour and remakes the glyph of every browser that is kept. Browser 1
// is looked for with its blanks trimmed, browser 2 as typed; a browser that is
// not found is stored empty. Throws IniWriteError.
OptionsResult storeOptions(const OptionsFields& fields, const IniProfile& ini, const QString& programDir,
                           const FileExists& exists = fileExists, const BrowserIconSource& iconFor = browserIcon,
                           Platform platform = kHostPlatform);

// The browse dialog's filter. Programs carry no extension outside Windows, so
// there it opens on all files.
QString browserFileFilter(Platform platform = kHostPlatform);

} // namespace zorvel
