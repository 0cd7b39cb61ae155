#pragma once
// The tokenizer's scan for the end of plain text: most of a page's characters
// are plain (words, addresses, program text), and looking at them eight at a
// time makes the scan several times cheaper than one comparison chain each.
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zorvel::html {

// The first character in [p, end) that is below lowest or is a, b or c; end if none.
inline const char16_t* findPlainEnd(const char16_t* p, const char16_t* end, char16_t lowest, char16_t a, char16_t b,
                                    char16_t c) {
#if defined(__SSE2__)
    // x < lowest exactly where x - (lowest - 1), saturated at zero, is zero.
    const __m128i belowBound = _mm_set1_epi16(short(lowest - 1));
    const __m128i zero = _mm_setzero_si128();
    const __m128i va = _mm_set1_epi16(short(a)), vb = _mm_set1_epi16(short(b)), vc = _mm_set1_epi16(short(c));
    for (; end - p >= 8; p += 8) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i stops =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(x, va), _mm_cmpeq_epi16(x, vb)),
                         _mm_or_si128(_mm_cmpeq_epi16(x, vc), _mm_cmpeq_epi16(_mm_subs_epu16(x, belowBound), zero)));
        if (const int mask = _mm_movemask_epi8(stops))
            return p + std::countr_zero(unsigned(mask)) / 2;
    }
#endif
    for (; p < end; ++p)
        if (*p < lowest || *p == a || *p == b || *p == c)
            return p;
    return end;
}

} // namespace zorvel::html
