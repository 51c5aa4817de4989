// Halftone stretching in exact integer arithmetic: the source rows a destination row covers
// are summed, each weighted by its share, into one line of column sums; each destination
// pixel then adds up the shares of its columns and divides by its whole area.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/raster_detail.h"

namespace raster {

// The byte offsets of red, green and blue in a source pixel: three bytes of a 24-bit DIB row
// (blue first), or a 0x00RRGGBB word.
inline std::array<int, 3> channelOffsets(int bytesPerPixel)
{
    if (bytesPerPixel == 4 && std::endian::native == std::endian::big)
        return {1, 2, 3};
    return {2, 1, 0};
}

// sums[k] = weight * bytes[k] for the `count` bytes of one source row, or += for the rows
// after the first. While the products fit in 16 bits (weights up to 257) eight of them are
// formed at once, which the compiler turns into vector instructions at any optimisation level.
inline void sumRow(std::uint32_t* sums, const std::uint8_t* bytes, std::size_t count,
                   std::uint32_t weight, bool first)
{
    typedef std::uint8_t Bytes __attribute__((vector_size(8)));
    typedef std::uint16_t Products __attribute__((vector_size(16)));
    typedef std::uint32_t Sums __attribute__((vector_size(32)));
    std::size_t k = 0;
    if (weight <= 257) {
        const auto narrowWeight = static_cast<std::uint16_t>(weight);
        for (; k + sizeof(Bytes) <= count; k += sizeof(Bytes)) {
            Bytes eight;
            Sums partial = {};
            std::memcpy(&eight, bytes + k, sizeof eight);
            if (!first)
                std::memcpy(&partial, sums + k, sizeof partial);
            partial += __builtin_convertvector(
                __builtin_convertvector(eight, Products) * narrowWeight, Sums);
            std::memcpy(sums + k, &partial, sizeof partial);
        }
    }
    for (; k < count; ++k)
        sums[k] = (first ? 0 : sums[k]) + weight * bytes[k];
}

inline void sumRow(double* sums, const std::uint8_t* bytes, std::size_t count, double weight,
                   bool first)
{
    for (std::size_t k = 0; k < count; ++k)
        sums[k] = (first ? 0 : sums[k]) + weight * bytes[k];
}

// A source pixel's channel sums in the order of its bytes (a fourth lane comes along unused),
// and the whole quotients they round to.
typedef double Lanes __attribute__((vector_size(32)));
typedef std::int32_t Quotients __attribute__((vector_size(16)));

// total += weight * the lanes at `sums` (by reference: vectors this wide are not passed by
// value without AVX).
inline void addLanes(Lanes& total, double weight, const std::uint32_t* sums)
{
    typedef std::int32_t Words __attribute__((vector_size(16)));
    Words words;
    std::memcpy(&words, sums, sizeof words);
    total += weight * __builtin_convertvector(words, Lanes);
}

inline void addLanes(Lanes& total, double weight, const double* sums)
{
    Lanes lanes;
    std::memcpy(&lanes, sums, sizeof lanes);
    total += weight * lanes;
}

// Added before truncating a scaled sum: a half, to round halves up, and a margin above the
// error of scaling by a rounded reciprocal instead of dividing (see averageRow).
constexpr double roundingBias = 0.5 + 0x1p-41;

// One destination row from the column sums of its source rows (`rowScale` 1 / their
// weights). `sums` starts at source column `firstColumn`. A channel is the quotient of its sum S by the
// pixel's area T (both whole numbers), rounded half up. It is taken as S times the rounded
// reciprocals of the area's two factors: below T = 2^39 that product lies within 2^-42 of S/T
// for every S up to 255 T, while S/T + 1/2 lies either on a whole number (a half, which the
// bias's margin lifts over it) or at least 1/(2T) below the next one, so truncation gives
// exactly what dividing gives. Larger areas (extents of millions of pixels) may round a tie
// down; nothing comes out of range.
template <RasterOp op, class Sum>
void averageRow(std::uint32_t* out, const Sum* sums, int firstColumn, int bytesPerPixel,
                const AxisMap& xs, const std::vector<double>& columnScales, double rowScale)
{
    const std::array<int, 3> offsets = channelOffsets(bytesPerPixel);
    for (std::size_t i = 0; i < xs.nearest.size(); ++i) {
        if (xs.nearest[i] < 0)
            continue;
        // Whole numbers below 2^53 throughout, so the doubles hold them exactly.
        Lanes total = {};
        for (int u = xs.tapStart[i]; u < xs.tapStart[i + 1]; ++u)
            addLanes(total, xs.tapWeight[u],
                     sums + static_cast<std::size_t>(xs.tapIndex[u] - firstColumn) * bytesPerPixel);
        const Quotients channels =
            __builtin_convertvector(total * (rowScale * columnScales[i]) + roundingBias, Quotients);
        combine<op>(out[i], static_cast<std::uint32_t>(channels[offsets[0]] << 16 |
                                                       channels[offsets[1]] << 8 |
                                                       channels[offsets[2]]));
    }
}

// 1 / total for every destination pixel an axis map lists (0 where nothing is drawn).
inline std::vector<double> reciprocals(const std::vector<std::uint32_t>& totals)
{
    std::vector<double> scales(totals.size());
    for (std::size_t i = 0; i < totals.size(); ++i)
        scales[i] = totals[i] == 0 ? 0.0 : 1.0 / totals[i];
    return scales;
}

template <RasterOp op, class Sum, class FetchRow>
void resampleHalftoneWith(Surface& dst, const AxisMap& xs, const AxisMap& ys, int bytesPerPixel,
                          FetchRow&& fetchRow)
{
    if (xs.tapIndex.empty() || ys.tapIndex.empty())
        return;
    const auto [lowest, highest] = std::minmax_element(xs.tapIndex.begin(), xs.tapIndex.end());
    const int firstColumn = *lowest;
    const std::size_t count = static_cast<std::size_t>(*highest - firstColumn + 1) * bytesPerPixel;
    // One more than the row needs: a three-byte pixel's lanes reach into the next one.
    std::vector<Sum> sums(count + 1);
    const std::vector<double> columnScales = reciprocals(xs.tapTotal);
    const std::vector<double> rowScales = reciprocals(ys.tapTotal);
    for (std::size_t j = 0; j < ys.nearest.size(); ++j) {
        if (ys.nearest[j] < 0)
            continue;
        for (int t = ys.tapStart[j]; t < ys.tapStart[j + 1]; ++t)
            sumRow(sums.data(),
                   fetchRow(ys.tapIndex[t]) + static_cast<std::size_t>(firstColumn) * bytesPerPixel,
                   count, ys.tapWeight[t], t == ys.tapStart[j]);
        const std::size_t y = static_cast<std::size_t>(ys.first) + j;
        averageRow<op, Sum>(&dst.pixels[y * dst.width + xs.first], sums.data(), firstColumn,
                            bytesPerPixel, xs, columnScales, rowScales[j]);
    }
    markDrawn(dst, xs, ys);
}

// Draws through two halftone axis maps. `fetchRow(index)` answers the bytes of the whole
// source row `index`, `bytesPerPixel` (3 or 4) a pixel, as channelOffsets lays them out.
// Column sums stay in 32 bits (signed, for the conversion to doubles) while the largest can;
// beyond that they are kept as doubles, exact up to 2^53.
template <RasterOp op, class FetchRow>
void resampleHalftone(Surface& dst, const AxisMap& xs, const AxisMap& ys, int bytesPerPixel,
                      FetchRow&& fetchRow)
{
    const auto largest = [](const std::vector<std::uint32_t>& totals) {
        return totals.empty() ? 0.0 : static_cast<double>(*std::ranges::max_element(totals));
    };
    if (255.0 * largest(xs.tapTotal) * largest(ys.tapTotal) < 2147483648.0)
        resampleHalftoneWith<op, std::uint32_t>(dst, xs, ys, bytesPerPixel, fetchRow);
    else
        resampleHalftoneWith<op, double>(dst, xs, ys, bytesPerPixel, fetchRow);
}

}  // namespace raster
