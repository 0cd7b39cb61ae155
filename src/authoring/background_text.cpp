#include "background_text.h"

#include "markup.h"

namespace zorvel {

QString colourText(const Rgb& rgb) {
    const auto hex = [](int v) { return QStringLiteral("%1").arg(std::clamp(v, 0, 255), 2, 16, QLatin1Char('0')); };
    return hex(rgb.red) + hex(rgb.green) + hex(rgb.blue);
}

namespace {

QString asciiLower(QString s) {
    for (QChar& c : s)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return s;
}

} // namespace

QString makeBackgroundText(const BackgroundFields& f, Platform platform) {
    QString text = QStringLiteral(" ");
    if (f.textOn)
        text += QLatin1String(" text =\"") + colourText(f.text) + QLatin1String("\" ");
    if (f.backgroundOn)
        text += QLatin1String("bgcolor=\"") + colourText(f.background) + QLatin1String("\" ");
    if (f.linkOn)
        text += QLatin1String("link=\"") + colourText(f.link) + QLatin1String("\" ");
    if (!f.imageName.isEmpty()) {
        const QString name = platform == Platform::Windows ? asciiLower(f.imageName) : f.imageName;
        text += QLatin1String("background=\"") + escapeMarkup(name, MarkupPlace::QuotedValue) + QLatin1String("\" ");
    }
    return text.size() > 1 ? text : QString();
}

} // namespace zorvel
