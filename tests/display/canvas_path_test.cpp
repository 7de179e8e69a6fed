// A path stands for a MoveTo to its first point and a LineTo to each other point: the
// recording canvas must see the same primitives, in the same order, whether the points come
// one by one or as one path, refused points included.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes.h"

namespace vireon {
namespace {

std::string Describe(const std::vector<DrawOp>& ops)
{
    std::ostringstream out;
    for (const DrawOp& op : ops) out << op << "\n";
    return out.str();
}

TEST(CanvasPath, DrawsWhatMoveToAndLineToDraw)
{
    struct Row {
        const char* what;
        std::vector<Point> points;
    } rows[] = {
        {"closed triangle", {{1, 1}, {5, 1}, {5, 4}, {1, 1}}},
        {"back to the next-to-last point", {{1, 1}, {2, 3}, {4, 4}, {2, 3}}},
        {"a single point", {{3, 3}}},
        {"refused first point", {{NoPixel, 2}, {4, 4}, {6, 6}}},
        {"refused middle point", {{1, 1}, {2, NoPixel}, {4, 4}, {6, 6}}},
        {"refused last point", {{1, 1}, {4, 4}, {NoPixel, NoPixel}}},
    };
    constexpr Color pen{200, 200, 200};
    for (const Row& r : rows) {
        RecordingCanvas viaPath(10, 10);
        RecordingCanvas viaLines(10, 10);
        viaPath.SetPen(pen);
        viaLines.SetPen(pen);
        viaPath.Path(r.points);
        viaLines.MoveTo(r.points.front().X, r.points.front().Y);
        for (std::size_t n = 1; n < r.points.size(); ++n) viaLines.LineTo(r.points[n].X, r.points[n].Y);
        // The pen is left where the last point put it (or nowhere after a refused one).
        viaPath.LineTo(7, 8);
        viaLines.LineTo(7, 8);
        EXPECT_EQ(Describe(viaPath.ops), Describe(viaLines.ops)) << r.what;
    }
}

}  // namespace
}  // namespace vireon
