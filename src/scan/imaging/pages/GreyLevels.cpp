// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/GreyLevels.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUILLON_SHUFFLED_LUMINANCE 1
#endif

namespace quillon {

namespace {

#ifdef QUILLON_SHUFFLED_LUMINANCE

// Byte shuffles that take one channel of the even pixels of 16 RGB pixels (48
// bytes in three registers) into eight 16-bit lanes: one mask for each
// register, -1 leaving a byte zero. Odd pixels are the even ones of the row
// one pixel on.
struct ChannelShuffle {
    std::int8_t first[16], second[16], third[16];
};

constexpr std::int8_t Z = -1;
constexpr ChannelShuffle kEvenRed{{0, Z, 6, Z, 12, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z},
                                  {Z, Z, Z, Z, Z, Z, 2, Z, 8, Z, 14, Z, Z, Z, Z, Z},
                                  {Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, 4, Z, 10, Z}};
constexpr ChannelShuffle kEvenGreen{{1, Z, 7, Z, 13, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z},
                                    {Z, Z, Z, Z, Z, Z, 3, Z, 9, Z, 15, Z, Z, Z, Z, Z},
                                    {Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, 5, Z, 11, Z}};
constexpr ChannelShuffle kEvenBlue{{2, Z, 8, Z, 14, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z},
                                   {Z, Z, Z, Z, Z, Z, 4, Z, 10, Z, Z, Z, Z, Z, Z, Z},
                                   {Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, 0, Z, 6, Z, 12, Z}};

__attribute__((target("ssse3"))) __m128i Channel(__m128i a, __m128i b, __m128i c, const ChannelShuffle& s) {
    const auto mask = [](const std::int8_t* m) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(m)); };
    return _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(a, mask(s.first)), _mm_shuffle_epi8(b, mask(s.second))),
                        _mm_shuffle_epi8(c, mask(s.third)));
}

// The luminance of the even pixels of the 16 at rgb, in eight 16-bit lanes.
__attribute__((target("ssse3"))) __m128i EvenLuminance(const std::uint8_t* rgb) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb + 16));
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb + 32));
    const __m128i sum = _mm_add_epi16(
        _mm_add_epi16(_mm_mullo_epi16(Channel(a, b, c, kEvenRed), _mm_set1_epi16(kRedWeight)),
                      _mm_mullo_epi16(Channel(a, b, c, kEvenGreen), _mm_set1_epi16(kGreenWeight))),
        _mm_mullo_epi16(Channel(a, b, c, kEvenBlue), _mm_set1_epi16(kBlueWeight)));
    return _mm_srli_epi16(sum, 8);  // at most 255 * 256 - 1: no lane overflows
}

// Steps 1 and 2, 16 pixels of the row at a time; returns how many samples were
// made, the rest being left to the plain loop. Only whole groups of 16 pixels
// are read, so nothing past the row's last pixel is touched.
__attribute__((target("ssse3"))) int ShuffledLuminance(const std::uint8_t* rgb, int step, int count, std::uint8_t* out) {
    int done = 0;
    if (step == 2) {
        for (; done + 9 <= count; done += 8) {  // the group's last pixel is one past its last sample
            const __m128i even = EvenLuminance(rgb + 6 * done);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + done), _mm_packus_epi16(even, even));
        }
    } else if (step == 1) {
        // The odd pixels' group starts a pixel on and ends a pixel later.
        for (; done + 17 <= count; done += 16) {
            const __m128i even = EvenLuminance(rgb + 3 * done);
            const __m128i odd = EvenLuminance(rgb + 3 * done + 3);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done),
                             _mm_or_si128(even, _mm_slli_epi16(odd, 8)));
        }
    }
    return done;
}

bool HasShuffles() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

#endif

}  // namespace

void SampleLuminance(const std::uint8_t* rgb, int step, int count, std::uint8_t* out) {
    int done = 0;
#ifdef QUILLON_SHUFFLED_LUMINANCE
    if (HasShuffles()) done = ShuffledLuminance(rgb, step, count, out);
#endif
    for (int i = done; i < count; ++i) out[i] = static_cast<std::uint8_t>(Luminance(rgb + 3 * i * step));
}

int Percentile(const Histogram& histogram, std::uint64_t total, double fraction) {
    const auto wanted = std::max<std::uint64_t>(
        static_cast<std::uint64_t>(std::ceil(fraction * static_cast<double>(total))), 1);
    std::uint64_t seen = 0;
    for (int level = 0; level < 256; ++level)
        if ((seen += histogram[level]) >= wanted) return level;
    return 255;
}

}  // namespace quillon
