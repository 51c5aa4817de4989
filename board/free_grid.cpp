// A grid over the board, each place ranked by the worst tier of obstacles it covers.
#include "board/free_grid.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

namespace {

int floorDiv(int a, int b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

int ceilDiv(int a, int b)
{
    return -floorDiv(-a, b);
}

// One axis of the grid: `count` places `spacing` apart, centred on the board's length.
struct Axis {
    int spacing = 1;
    int count = 1;
    int origin = 0;

    Axis(int length, int side, int gridSpacing)
        : spacing(gridSpacing), count(std::max(1, (length - side) / gridSpacing + 1)),
          origin(std::max(0, (length - side - (count - 1) * gridSpacing) / 2))
    {
    }

    int at(int index) const { return origin + index * spacing; }

    // First and last place whose inner part [at + inset, at + side - inset) meets [from, to).
    std::pair<int, int> placesMeeting(int from, int to, int side, int inset) const
    {
        const int first = floorDiv(from - origin - side + inset, spacing) + 1;
        const int last = ceilDiv(to - origin - inset, spacing) - 1;
        return {std::max(first, 0), std::min(last, count - 1)};
    }
};

struct Place {
    Point at;
    int worstTier = 0;  // 0: covers nothing; t: covers something of tier t - 1 and none later
    int covered = 0;    // how many obstacles it covers
};

// Every place of the grid at the spacing, the least covering first (by the worst tier it covers,
// then by how many obstacles), each rank in reading order.
std::vector<Place> rankedPlaces(const FreeGridRequest& request, int spacing)
{
    const Axis across(request.boardWidth, request.boxSide, spacing);
    const Axis down(request.boardHeight, request.boxSide, spacing);
    std::vector<Place> places(static_cast<std::size_t>(across.count) * down.count);
    const int inset = request.inset;
    for (std::size_t tier = 0; tier < request.obstacleTiers.size(); ++tier)
        for (const Rect& box : request.obstacleTiers[tier]) {
            const int left = box.left + inset;
            const int right = box.right - inset;
            const int top = box.top + inset;
            const int bottom = box.bottom - inset;
            if (left >= right || top >= bottom)
                continue;
            const auto [firstColumn, lastColumn] =
                across.placesMeeting(left, right, request.boxSide, inset);
            const auto [firstRow, lastRow] =
                down.placesMeeting(top, bottom, request.boxSide, inset);
            for (int row = firstRow; row <= lastRow; ++row)
                for (int column = firstColumn; column <= lastColumn; ++column) {
                    Place& place =
                        places[static_cast<std::size_t>(row) * across.count + column];
                    place.worstTier = static_cast<int>(tier) + 1;
                    ++place.covered;
                }
        }
    for (int row = 0; row < down.count; ++row)
        for (int column = 0; column < across.count; ++column)
            places[static_cast<std::size_t>(row) * across.count + column].at = {across.at(column),
                                                                                down.at(row)};
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return std::tie(a.worstTier, a.covered) < std::tie(b.worstTier, b.covered);
    });
    return places;
}

// The first `count` places covering no tier beyond `worstAllowed`, when there are enough.
std::optional<std::vector<Point>> placesWithin(const std::vector<Place>& places, int count,
                                               int worstAllowed)
{
    std::vector<Point> chosen;
    for (const Place& place : places) {
        if (static_cast<int>(chosen.size()) == count || place.worstTier > worstAllowed)
            break;
        chosen.push_back(place.at);
    }
    if (static_cast<int>(chosen.size()) < count)
        return std::nullopt;
    // Reading order again, so that the boxes' order follows the rows.
    std::stable_sort(chosen.begin(), chosen.end(), [](const Point& a, const Point& b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    return chosen;
}

}  // namespace

std::vector<Point> layOutOnFreeGrid(const FreeGridRequest& request)
{
    if (request.count <= 0 || request.boxSide <= 0)
        return {};
    const int clearSpacing = std::max(1, request.boxSide - 2 * request.inset);
    const int roomySpacing =
        std::max(clearSpacing, std::min(request.boxSide, clearSpacing + request.roomyGap));
    const int leastSpacing = std::clamp(request.leastSpacing, 1, clearSpacing);
    for (int worstAllowed = 0; worstAllowed <= request.areaTiers; ++worstAllowed)
        for (int spacing = roomySpacing; spacing >= clearSpacing; --spacing)
            if (auto chosen =
                    placesWithin(rankedPlaces(request, spacing), request.count, worstAllowed))
                return *chosen;
    const int lastTier = static_cast<int>(request.obstacleTiers.size());
    for (int spacing = clearSpacing; spacing >= leastSpacing; --spacing)
        if (auto chosen =
                placesWithin(rankedPlaces(request, spacing), request.count,
                             std::max(0, lastTier - 1)))
            return *chosen;
    const std::vector<Place> places = rankedPlaces(request, leastSpacing);
    std::vector<Point> chosen;
    for (int index = 0; index < request.count; ++index)
        chosen.push_back(places[static_cast<std::size_t>(index) % places.size()].at);
    return chosen;
}
