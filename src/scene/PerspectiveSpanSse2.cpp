#include "scene/PerspectiveSpan.h"

#include <emmintrin.h>

#include <algorithm>
#include <cstring>

namespace {

// (a * (256 - w) + b * w) >> 8 per channel, on pixels unpacked to 16-bit lanes.
inline __m128i mix(__m128i a, __m128i b, __m128i w)
{
    const __m128i iw = _mm_sub_epi16(_mm_set1_epi16(256), w);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, iw), _mm_mullo_epi16(b, w)), 8);
}

// x * a / 255 per 16-bit lane, rounded the way Qt's blending rounds.
inline __m128i byteMul(__m128i x, __m128i a)
{
    __m128i t = _mm_mullo_epi16(x, a);
    t = _mm_add_epi16(t, _mm_srli_epi16(t, 8));
    return _mm_srli_epi16(_mm_add_epi16(t, _mm_set1_epi16(0x80)), 8);
}

// Four 32-bit per-pixel weights as 16-bit lanes, each repeated over its pixel's four channels:
// `low` for pixels 0 and 1, `high` for pixels 2 and 3 (the halves unpacking gives).
inline void spread(__m128i w, __m128i* low, __m128i* high)
{
    const __m128i w16 = _mm_packs_epi32(w, w);
    const __m128i pairs = _mm_unpacklo_epi16(w16, w16);
    *low = _mm_unpacklo_epi32(pairs, pairs);
    *high = _mm_unpackhi_epi32(pairs, pairs);
}

// Source-over of two sampled pixels onto two target pixels, `alpha` folded into the source.
inline __m128i over(__m128i s, __m128i d, __m128i alpha, bool withAlpha)
{
    if (withAlpha)
        s = byteMul(s, alpha);
    const __m128i sa = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s, 0xFF), 0xFF);
    return _mm_add_epi16(s, byteMul(d, _mm_sub_epi16(_mm_set1_epi16(255), sa)));
}

} // namespace

void perspectiveSpanSse2(const PerspectiveSpan& s, std::uint32_t* row, int y, int x0, int x1,
                         int alpha)
{
    // Relative to the span's first pixel, so the single-precision terms stay small.
    const double cy = y + 0.5;
    const __m128 fxRow = _mm_set1_ps(float(s.m11 * x0 + s.m21 * cy + s.dx));
    const __m128 fyRow = _mm_set1_ps(float(s.m12 * x0 + s.m22 * cy + s.dy));
    const __m128 fwRow = _mm_set1_ps(float(s.m13 * x0 + s.m23 * cy + s.m33));
    const __m128 m11 = _mm_set1_ps(float(s.m11)), m12 = _mm_set1_ps(float(s.m12)),
                 m13 = _mm_set1_ps(float(s.m13));
    const __m128 one = _mm_set1_ps(1.0f), half = _mm_set1_ps(0.5f), zero = _mm_setzero_ps();
    const __m128 scale = _mm_set1_ps(256.0f), stride = _mm_set1_ps(float(s.stride));
    const __m128 lastX = _mm_set1_ps(float(s.width - 1)), lastY = _mm_set1_ps(float(s.height - 1));
    const __m128 lanes = _mm_setr_ps(0.5f, 1.5f, 2.5f, 3.5f);
    const __m128i alpha16 = _mm_set1_epi16(short(alpha));
    const __m128i none = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(0x00ffffff); // every byte but alpha
    const bool withAlpha = alpha < 255;
    const std::uint32_t* p = s.picture;

    for (int x = x0; x < x1; x += 4) {
        const int n = std::min(4, x1 - x);
        // Each pixel is mapped from scratch (no running sums), so errors do not add up along
        // the row; the one division per pixel is four at a time.
        const __m128 cx = _mm_add_ps(_mm_set1_ps(float(x - x0)), lanes);
        const __m128 iw = _mm_div_ps(one, _mm_add_ps(_mm_mul_ps(cx, m13), fwRow));
        const __m128 px = _mm_sub_ps(_mm_mul_ps(_mm_add_ps(_mm_mul_ps(cx, m11), fxRow), iw), half);
        const __m128 py = _mm_sub_ps(_mm_mul_ps(_mm_add_ps(_mm_mul_ps(cx, m12), fyRow), iw), half);
        const __m128 tx = _mm_cvtepi32_ps(_mm_cvttps_epi32(px));
        const __m128 ty = _mm_cvtepi32_ps(_mm_cvttps_epi32(py));
        const __m128 floorX = _mm_sub_ps(tx, _mm_and_ps(_mm_cmplt_ps(px, tx), one));
        const __m128 floorY = _mm_sub_ps(ty, _mm_and_ps(_mm_cmplt_ps(py, ty), one));
        const __m128i distX = _mm_cvttps_epi32(_mm_mul_ps(_mm_sub_ps(px, floorX), scale));
        const __m128i distY = _mm_cvttps_epi32(_mm_mul_ps(_mm_sub_ps(py, floorY), scale));
        // Outside the picture the nearest edge pixel repeats (max() also turns NaN into 0).
        const __m128 x1f = _mm_min_ps(_mm_max_ps(floorX, zero), lastX);
        const __m128 x2f = _mm_min_ps(_mm_max_ps(_mm_add_ps(floorX, one), zero), lastX);
        const __m128 y1f = _mm_mul_ps(_mm_min_ps(_mm_max_ps(floorY, zero), lastY), stride);
        const __m128 y2f =
            _mm_mul_ps(_mm_min_ps(_mm_max_ps(_mm_add_ps(floorY, one), zero), lastY), stride);
        alignas(16) std::int32_t i[4][4];
        _mm_store_si128(reinterpret_cast<__m128i*>(i[0]), _mm_cvttps_epi32(_mm_add_ps(y1f, x1f)));
        _mm_store_si128(reinterpret_cast<__m128i*>(i[1]), _mm_cvttps_epi32(_mm_add_ps(y1f, x2f)));
        _mm_store_si128(reinterpret_cast<__m128i*>(i[2]), _mm_cvttps_epi32(_mm_add_ps(y2f, x1f)));
        _mm_store_si128(reinterpret_cast<__m128i*>(i[3]), _mm_cvttps_epi32(_mm_add_ps(y2f, x2f)));
        __m128i corner[4];
        for (int c = 0; c < 4; ++c)
            corner[c] =
                _mm_setr_epi32(int(p[i[c][0]]), int(p[i[c][1]]), int(p[i[c][2]]), int(p[i[c][3]]));

        __m128i wxLow, wxHigh, wyLow, wyHigh;
        spread(distX, &wxLow, &wxHigh);
        spread(distY, &wyLow, &wyHigh);
        const __m128i topLow =
            mix(_mm_unpacklo_epi8(corner[0], none), _mm_unpacklo_epi8(corner[1], none), wxLow);
        const __m128i topHigh =
            mix(_mm_unpackhi_epi8(corner[0], none), _mm_unpackhi_epi8(corner[1], none), wxHigh);
        const __m128i bottomLow =
            mix(_mm_unpacklo_epi8(corner[2], none), _mm_unpacklo_epi8(corner[3], none), wxLow);
        const __m128i bottomHigh =
            mix(_mm_unpackhi_epi8(corner[2], none), _mm_unpackhi_epi8(corner[3], none), wxHigh);

        const __m128i sampleLow = mix(topLow, bottomLow, wyLow);
        const __m128i sampleHigh = mix(topHigh, bottomHigh, wyHigh);
        alignas(16) std::uint32_t part[4];
        std::uint32_t* out = n == 4 ? row + x : part;
        if (n < 4)
            std::memcpy(part, row + x, sizeof(std::uint32_t) * std::size_t(n));
        // The inside of a photo is opaque: with nothing of the target to keep, it is not read.
        const __m128i packed = _mm_packus_epi16(sampleLow, sampleHigh);
        if (!withAlpha && _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_or_si128(packed, opaque),
                                                           _mm_set1_epi8(-1))) == 0xffff) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), packed);
        } else {
            const __m128i target = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out));
            const __m128i low =
                over(sampleLow, _mm_unpacklo_epi8(target, none), alpha16, withAlpha);
            const __m128i high =
                over(sampleHigh, _mm_unpackhi_epi8(target, none), alpha16, withAlpha);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(low, high));
        }
        if (n < 4)
            std::memcpy(row + x, part, sizeof(std::uint32_t) * std::size_t(n));
    }
}
