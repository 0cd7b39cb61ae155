#pragma once
// A tag's attributes as the parser reads them and the model's records are
// built from them, and what is made of their values: numbers, alignment
// words, addresses as file names, and sizes scaled as Windows scales them.
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace zorvel {

enum class Platform;

// The attribute names the parser knows; VALUE is written twice in the
// vocabulary and both spellings share one kind.
enum class AttrKind {
    Href,
    Name,
    Src,
    Alt,
    Align,
    Text,
    BgColor,
    Link,
    Background,
    ColSpan,
    RowSpan,
    Border,
    CellPadding,
    CellSpacing,
    VAlign,
    Width,
    Start,
    Value,
    Type,
    CheckBox,
    Radio,
    Method,
    Action,
    Checked,
    Size,
    MaxLength,
    Cols,
    Rows,
    Multiple,
    Selected,
    Face,
    Color,
    Unknown
};

struct TAttribute {
    AttrKind Kind = AttrKind::Unknown;
    qint32 NumericValue = 0;
    QString ValueText;
};

class TAttributeList : public std::vector<TAttribute> {
public:
    const TAttribute* Find(AttrKind kind) const;
    // The value text of the first attribute of that kind, or empty.
    QString Text(AttrKind kind) const;
};

// Windows' MulDiv: a * b / c with a 64-bit product, rounded half away from zero; -1 when c is 0.
int mulDiv(int a, int b, int c);

// Reads a decimal integer with an optional sign; nothing else may stand in the text.
std::optional<qint32> parseDecimal(QStringView text);

// The file name an image or link address stands for. On Windows an address with
// "/" is lower-cased, loses "file:///" (or "file://") and gets "\" separators and
// "|" turned to ":"; elsewhere only "file://" goes and the path keeps its case and "/".
QString urlToFileName(const QString& address, Platform platform);
QString urlToFileName(const QString& address);

// How sections and tables line up across: None where an ALIGN says nothing
// that is understood.
enum class Justification : std::int8_t { None, Left, Center, Right };
// How a cell's contents or a picture line up with what is beside them.
enum class VerticalAlign : std::int8_t { Top, Middle, Bottom };

// Alignment words used by P, tables and cells: "left", "center", "right", else None.
Justification GetAlign(const TAttributeList& attributes);
// "top", "middle", "bottom", else the default.
VerticalAlign GetVAlign(const TAttributeList& attributes, VerticalAlign defaultValue);

} // namespace zorvel
