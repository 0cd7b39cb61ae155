#pragma once
// A page's characters from its bytes: the text-file reader decodes UTF-8 when
// the bytes are valid UTF-8 and Latin-1 otherwise; the viewer reads the codes
// 0x80..0x9F of an 8-bit page as Windows' characters.
#include "text_file.h"

#include <QString>

namespace zorvel {

// Pages in an 8-bit character set were written with Windows' set, which puts
// typographic quotes, dashes and the euro sign at 0x80..0x9F, where Latin-1
// has invisible control characters. The character such a code stands for;
// every other code, and the five that Windows leaves unused, unchanged.
char16_t fromWindows1252(char16_t c);
// The characters the viewer reads from a loaded page: a page that was not
// UTF-8 has its codes 0x80..0x9F read as Windows' characters.
QString viewerText(LoadedText loaded);

} // namespace zorvel
