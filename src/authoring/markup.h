#pragma once
// The one-click markup commands: the text each command puts in place of the
// selection and where the caret goes afterwards, apart from any widget.
#include <QString>

#include <cstdint>
#include <optional>

class QObject;

namespace zorvel {

struct Insertion {
    QString text; // replaces the selection
    int caret;    // caret offset after the command, relative to the selection start
};

// The text-format commands. Their menu items and tool buttons carry the
// command's number as their tag (a menu's separator carries 0).
enum class FormatCommand : std::int8_t {
    Bold = 1,
    Italic,
    Underlined,
    Strong,
    HorizontalLine,
    LineBreak,
    Paragraph,
    Code,
    Keyboard,
    Variable,
    Sample,
    Citation,
    Blink,
    Center,
    Font,
    Registered,
    Copyright,
    Ampersand,
    LessThan,
    GreaterThan,
};

// The text-format command a tag stands for; any other tag inserts nothing.
std::optional<Insertion> textFormatInsertion(int tag, const QString& sel);
// Levels 1..6.
std::optional<Insertion> headingInsertion(int level, const QString& sel);
// Styles 1..5: numbered, bulleted, menu, directory, definition.
std::optional<Insertion> listInsertion(int style, const QString& sel);

// The address the e-mail command uses when none is configured.
inline constexpr const char* kSubstituteEmailAddress = "Your_Email_Address";
// The e-mail link, the address escaped in its quotes; the caller substitutes
// kSubstituteEmailAddress for an empty address.
QString mailToText(const QString& address, const QString& sel);

// The command number a sender stands for: the "tag" property of a button or
// action, the current index of a combo box, -1 for anything else.
int commandNumber(const QObject* sender);

// Where a text the user typed goes in the markup, and so what it must not
// contain as itself to be read back whole by a browser or by our viewer.
// "&", "<" and ">" become entities in both places: our viewer, as older
// browsers did, ends a tag at a ">" even inside quotes, and drops a stray ">"
// from the text of a selection list's item.
enum class MarkupPlace {
    QuotedValue, // inside double quotes: "\"" becomes an entity as well
    Text,        // between tags, as an item of a selection list
};
QString escapeMarkup(const QString& text, MarkupPlace place);
// The quoted value as the user typed it: the entities escapeMarkup writes there
// turned back into their characters, anything else left as it is.
QString unescapeQuotedValue(const QString& value);

// Memo controls hold "\n"-separated lines; inserted texts use CR LF.
QString toCrLf(const QString& text);
QString fromCrLf(const QString& text);

} // namespace zorvel
