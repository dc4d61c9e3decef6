#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "raster/PictureCanvas.h"

namespace tellvane::raster {
namespace {

constexpr std::uint32_t kPaper = 0xFFFFFF, kInk = 0x102030;

// The canvas skips filling a picture that is all of the fill's colour already: any
// drawing in between, and any size change keeping other pixels, must undo that.
struct Steps {
    const char* name;
    std::function<void(PictureCanvas&)> draw;  // after resize(4, 3, kPaper)
    std::uint32_t clearedTo;                   // the colour the whole picture is filled with last
};

class PictureCanvasClear : public testing::TestWithParam<Steps> {};

TEST_P(PictureCanvasClear, LeavesEveryPixelInTheColourFilled) {
    PictureCanvas canvas("");  // no text is drawn: the face is never read
    canvas.resize(4, 3, kPaper);
    GetParam().draw(canvas);
    const PictureView p = canvas.picture();
    canvas.fill(0, 0, p.width, p.height, GetParam().clearedTo);
    const PictureView after = canvas.picture();
    for (int y = 0; y < after.height; ++y)
        for (int x = 0; x < after.width; ++x) ASSERT_EQ(after.row(y)[x] & 0xFFFFFF, GetParam().clearedTo) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, PictureCanvasClear,
    testing::Values(Steps{"Fresh", [](PictureCanvas&) {}, kPaper},
                    Steps{"AfterARun", [](PictureCanvas& c) { c.run({1, 1, 2, false, false}, kInk); }, kPaper},
                    Steps{"AfterAPartFilled", [](PictureCanvas& c) { c.fill(1, 1, 1, 1, kInk); }, kPaper},
                    Steps{"AfterAllFilledInInk", [](PictureCanvas& c) { c.fill(0, 0, 4, 3, kInk); }, kPaper},
                    Steps{"GrownKeepingARun",
                          [](PictureCanvas& c) {
                              c.run({0, 0, 1, false, false}, kInk);
                              c.resize(6, 4, kPaper);
                          },
                          kPaper},
                    Steps{"GrownInInk", [](PictureCanvas& c) { c.resize(6, 4, kInk); }, kInk},
                    Steps{"ShrunkToNothingAndGrownInInk",
                          [](PictureCanvas& c) {
                              c.run({0, 0, 1, false, false}, kInk);
                              c.resize(0, 0, kPaper);
                              c.resize(2, 2, kInk);
                          },
                          kInk}),
    [](const testing::TestParamInfo<Steps>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tellvane::raster
