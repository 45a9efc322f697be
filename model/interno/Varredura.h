#pragma once

// Classifies 16 bytes at once, so that the scan of a short line takes no branch per byte.
// Bit i of a mask stands for byte i of the 16 at `p`.

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Bytes of value 32 or less: the blanks around a number, line ends included.
inline unsigned MascaraBrancos(const char* p) {
#if defined(__SSE2__)
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i ate32 = _mm_cmpeq_epi8(_mm_min_epu8(x, _mm_set1_epi8(32)), x);
    return static_cast<unsigned>(_mm_movemask_epi8(ate32));
#else
    unsigned m = 0;
    for (int i = 0; i < 16; ++i)
        m |= unsigned(static_cast<unsigned char>(p[i]) <= 32) << i;
    return m;
#endif
}

// CR and LF bytes.
inline unsigned MascaraFimDeLinha(const char* p) {
#if defined(__SSE2__)
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i cr = _mm_cmpeq_epi8(x, _mm_set1_epi8('\r'));
    __m128i lf = _mm_cmpeq_epi8(x, _mm_set1_epi8('\n'));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(cr, lf)));
#else
    unsigned m = 0;
    for (int i = 0; i < 16; ++i)
        m |= unsigned(p[i] == '\r' || p[i] == '\n') << i;
    return m;
#endif
}
