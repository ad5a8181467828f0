// Built with AVX2 enabled for this file only; drawPerspective() calls it only on processors that
// have AVX2.
#include "scene/PerspectiveSpan.h"

#include <immintrin.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// (a * (256 - w) + b * w) >> 8 per channel, on pixels unpacked to 16-bit lanes.
inline __m256i mix(__m256i a, __m256i b, __m256i w)
{
    const __m256i iw = _mm256_sub_epi16(_mm256_set1_epi16(256), w);
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(a, iw), _mm256_mullo_epi16(b, w)),
                             8);
}

// x * a / 255 per 16-bit lane, rounded the way Qt's blending rounds.
inline __m256i byteMul(__m256i x, __m256i a)
{
    __m256i t = _mm256_mullo_epi16(x, a);
    t = _mm256_add_epi16(t, _mm256_srli_epi16(t, 8));
    return _mm256_srli_epi16(_mm256_add_epi16(t, _mm256_set1_epi16(0x80)), 8);
}

// Eight 32-bit per-pixel weights as 16-bit lanes repeated over each pixel's channels, in the
// order unpacking gives within each 128-bit half: `low` pixels 0, 1, 4, 5, `high` 2, 3, 6, 7.
inline void spread(__m256i w, __m256i* low, __m256i* high)
{
    const __m256i w16 = _mm256_packs_epi32(w, w);
    const __m256i pairs = _mm256_unpacklo_epi16(w16, w16);
    *low = _mm256_unpacklo_epi32(pairs, pairs);
    *high = _mm256_unpackhi_epi32(pairs, pairs);
}

inline __m256i over(__m256i s, __m256i d, __m256i alpha, bool withAlpha)
{
    if (withAlpha)
        s = byteMul(s, alpha);
    const __m256i sa = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s, 0xFF), 0xFF);
    return _mm256_add_epi16(s, byteMul(d, _mm256_sub_epi16(_mm256_set1_epi16(255), sa)));
}

// The pixels at `index` and right of it for eight indices, as eight left and eight right pixels:
// four 64-bit reads per gather instead of eight 32-bit ones, which is where a span spent most
// of its time.
inline void pairs(const int* p, __m256i index, __m256i* left, __m256i* right)
{
    const auto* q = reinterpret_cast<const long long*>(p);
    const __m256 a = _mm256_castsi256_ps(
        _mm256_i32gather_epi64(q, _mm256_castsi256_si128(index), 4)); // l0 r0 l1 r1 | l2 r2 l3 r3
    const __m256 b = _mm256_castsi256_ps(
        _mm256_i32gather_epi64(q, _mm256_extracti128_si256(index, 1), 4)); // l4 r4 ... | l6 ...
    // l0 l1 l4 l5 | l2 l3 l6 l7, then in order
    *left = _mm256_permute4x64_epi64(_mm256_castps_si256(_mm256_shuffle_ps(a, b, 0x88)), 0xD8);
    *right = _mm256_permute4x64_epi64(_mm256_castps_si256(_mm256_shuffle_ps(a, b, 0xDD)), 0xD8);
}

// How far ahead along the span the picture's bytes are asked for, in target pixels. Gathers do
// not wake the processor's own prefetching the way plain reads do, so with the encoder and the
// decoder busy beside it every read waited for memory. A tilted or turned span does not run
// along a picture row but across the rows, so the bytes asked for are those under the span's own
// pixel this far ahead; at the same row further right they were mostly another span's. In a
// render 24 to 96 pixels were alike.
constexpr float kPrefetchAhead = 48.0f;

// Asks for the bytes of pixel `index`. An address past the picture (the row below a picture of
// one row) is harmless, as a prefetch never faults, so it is computed as a number, not as a
// pointer into the picture.
inline void prefetch(const int* p, int index)
{
    _mm_prefetch(reinterpret_cast<const char*>(reinterpret_cast<std::uintptr_t>(p) +
                                               std::uintptr_t(std::intptr_t(index) * 4)),
                 _MM_HINT_T0);
}

// Asks for the two picture rows of a bilinear sample at picture point (x, y). A step moves less
// than a cache line's 16 pixels along the picture, so the steps between them ask for every line.
inline void prefetchAround(const PerspectiveSpan& s, float x, float y)
{
    // Clamped into the picture as integers: the conversion gives INT_MIN for a NaN or a point
    // beyond int (at the horizon). Clamping the floats instead made GCC 12 drop the offset and
    // ask for the picture's first line on every step.
    const auto toInt = [](float v) { return _mm_cvttss_si32(_mm_set_ss(v)); };
    const int ix = std::clamp(toInt(x), 0, s.width - 1);
    const int iy = std::clamp(toInt(y), 0, std::max(0, s.height - 2));
    const int* p = reinterpret_cast<const int*>(s.picture);
    const int top = iy * s.stride + ix;
    prefetch(p, top);
    prefetch(p, top + s.stride);
}

} // namespace

void perspectiveSpanAvx2(const PerspectiveSpan& s, std::uint32_t* row, int y, int x0, int x1,
                         int alpha)
{
    if (s.width < 2) { // no pair of neighbours to read
        perspectiveSpanSse2(s, row, y, x0, x1, alpha);
        return;
    }
    // Relative to the span's first pixel, so the single-precision terms stay small.
    const double cy = y + 0.5;
    const float fxRows = float(s.m11 * x0 + s.m21 * cy + s.dx);
    const float fyRows = float(s.m12 * x0 + s.m22 * cy + s.dy);
    const float fwRows = float(s.m13 * x0 + s.m23 * cy + s.m33);
    const float m11s = float(s.m11), m12s = float(s.m12), m13s = float(s.m13);
    const __m256 fxRow = _mm256_set1_ps(fxRows), fyRow = _mm256_set1_ps(fyRows);
    const __m256 fwRow = _mm256_set1_ps(fwRows);
    const __m256 m11 = _mm256_set1_ps(m11s), m12 = _mm256_set1_ps(m12s);
    const __m256 m13 = _mm256_set1_ps(m13s);
    const __m256 one = _mm256_set1_ps(1.0f), half = _mm256_set1_ps(0.5f);
    const __m256 zero = _mm256_setzero_ps(), scale = _mm256_set1_ps(256.0f);
    // The last column a pair of neighbours can start at.
    const __m256 lastPair = _mm256_set1_ps(float(s.width - 2));
    const __m256 lastY = _mm256_set1_ps(float(s.height - 1));
    const __m256 lanes = _mm256_setr_ps(0.5f, 1.5f, 2.5f, 3.5f, 4.5f, 5.5f, 6.5f, 7.5f);
    const __m256i stride = _mm256_set1_epi32(s.stride);
    const __m256i alpha16 = _mm256_set1_epi16(short(alpha));
    const __m256i none = _mm256_setzero_si256();
    const __m256i opaque = _mm256_set1_epi32(0x00ffffff); // every byte but alpha
    const bool withAlpha = alpha < 255;
    const int* p = reinterpret_cast<const int*>(s.picture);

    for (int x = x0; x < x1; x += 8) {
        const int n = std::min(8, x1 - x);
        const __m256 cx = _mm256_add_ps(_mm256_set1_ps(float(x - x0)), lanes);
        const __m256 iw = _mm256_div_ps(one, _mm256_add_ps(_mm256_mul_ps(cx, m13), fwRow));
        const __m256 px =
            _mm256_sub_ps(_mm256_mul_ps(_mm256_add_ps(_mm256_mul_ps(cx, m11), fxRow), iw), half);
        const __m256 py =
            _mm256_sub_ps(_mm256_mul_ps(_mm256_add_ps(_mm256_mul_ps(cx, m12), fyRow), iw), half);
        const __m256 floorX = _mm256_floor_ps(px);
        const __m256 floorY = _mm256_floor_ps(py);
        const __m256i distX = _mm256_cvttps_epi32(_mm256_mul_ps(_mm256_sub_ps(px, floorX), scale));
        const __m256i distY = _mm256_cvttps_epi32(_mm256_mul_ps(_mm256_sub_ps(py, floorY), scale));
        // Outside the picture the nearest edge pixel repeats (max() also turns NaN into 0).
        // Each row's two neighbours are read as one 64-bit pair from the column left of them,
        // which stays inside the row; at the picture's left and right edge both take the edge
        // pixel of the pair.
        const __m256 left = _mm256_min_ps(_mm256_max_ps(floorX, zero), lastPair);
        const __m256i xa = _mm256_cvttps_epi32(left);
        const __m256i beforeFirst = _mm256_castps_si256(_mm256_cmp_ps(floorX, zero, _CMP_LT_OQ));
        const __m256i pastLast = _mm256_castps_si256(_mm256_cmp_ps(floorX, lastPair, _CMP_GT_OQ));
        const __m256i y1i = _mm256_cvttps_epi32(_mm256_min_ps(_mm256_max_ps(floorY, zero), lastY));
        const __m256i y2i = _mm256_cvttps_epi32(
            _mm256_min_ps(_mm256_max_ps(_mm256_add_ps(floorY, one), zero), lastY));
        const __m256i top = _mm256_add_epi32(_mm256_mullo_epi32(y1i, stride), xa);
        const __m256i bottom = _mm256_add_epi32(_mm256_mullo_epi32(y2i, stride), xa);
        { // the picture's bytes under the span's pixel kPrefetchAhead on from this step's last
            const float ahead = float(x - x0) + 7.5f + kPrefetchAhead;
            const float w = 1.0f / (ahead * m13s + fwRows);
            prefetchAround(s, (ahead * m11s + fxRows) * w, (ahead * m12s + fyRows) * w);
        }
        __m256i tl, tr, bl, br;
        pairs(p, top, &tl, &tr);
        pairs(p, bottom, &bl, &br);
        tr = _mm256_blendv_epi8(tr, tl, beforeFirst);
        tl = _mm256_blendv_epi8(tl, tr, pastLast);
        br = _mm256_blendv_epi8(br, bl, beforeFirst);
        bl = _mm256_blendv_epi8(bl, br, pastLast);

        __m256i wxLow, wxHigh, wyLow, wyHigh;
        spread(distX, &wxLow, &wxHigh);
        spread(distY, &wyLow, &wyHigh);
        const __m256i topLow =
            mix(_mm256_unpacklo_epi8(tl, none), _mm256_unpacklo_epi8(tr, none), wxLow);
        const __m256i topHigh =
            mix(_mm256_unpackhi_epi8(tl, none), _mm256_unpackhi_epi8(tr, none), wxHigh);
        const __m256i bottomLow =
            mix(_mm256_unpacklo_epi8(bl, none), _mm256_unpacklo_epi8(br, none), wxLow);
        const __m256i bottomHigh =
            mix(_mm256_unpackhi_epi8(bl, none), _mm256_unpackhi_epi8(br, none), wxHigh);

        const __m256i sampleLow = mix(topLow, bottomLow, wyLow);
        const __m256i sampleHigh = mix(topHigh, bottomHigh, wyHigh);
        alignas(32) std::uint32_t part[8];
        std::uint32_t* out = n == 8 ? row + x : part;
        if (n < 8)
            std::memcpy(part, row + x, sizeof(std::uint32_t) * std::size_t(n));
        // The inside of a photo is opaque: with nothing of the target to keep, it is not read.
        const __m256i packed = _mm256_packus_epi16(sampleLow, sampleHigh);
        if (!withAlpha && _mm256_movemask_epi8(_mm256_cmpeq_epi8(_mm256_or_si256(packed, opaque),
                                                                 _mm256_set1_epi8(-1))) == -1) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), packed);
        } else {
            const __m256i target = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out));
            const __m256i low =
                over(sampleLow, _mm256_unpacklo_epi8(target, none), alpha16, withAlpha);
            const __m256i high =
                over(sampleHigh, _mm256_unpackhi_epi8(target, none), alpha16, withAlpha);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm256_packus_epi16(low, high));
        }
        if (n < 8)
            std::memcpy(row + x, part, sizeof(std::uint32_t) * std::size_t(n));
    }
}
