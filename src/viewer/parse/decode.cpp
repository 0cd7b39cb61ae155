// The viewer's reading of an 8-bit page's codes 0x80..0x9F.
#include "parse/decode.h"

#include <utility>

namespace zorvel {

char16_t fromWindows1252(char16_t c) {
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    return c >= 0x80 && c <= 0x9F ? kHigh[c - 0x80] : c;
}

QString viewerText(LoadedText loaded) {
    if (loaded.format.encoding == TextEncoding::Latin1)
        for (QChar& c : loaded.text)
            if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
                c = QChar(fromWindows1252(c.unicode()));
    return std::move(loaded.text);
}

} // namespace zorvel
