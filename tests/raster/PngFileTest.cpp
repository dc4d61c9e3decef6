#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <random>
#include <string>

#include "common/Error.h"
#include "raster/PngFile.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PngReference.h"

namespace tellvane::raster {
namespace {

namespace fs = std::filesystem;

// A fresh directory for the test's files, removed with what it holds.
struct ScratchDirectory {
    fs::path path = fs::temp_directory_path() / ("tellvane-png-" + std::to_string(::getpid()));
    ScratchDirectory() { fs::create_directories(path); }
    ~ScratchDirectory() { fs::remove_all(path); }
};

TEST(PngFile, DecodesToTheSamePixelsAsTheReferenceEncoder) {
    struct Case {
        const char* what;
        int width, height, rare;
    };
    const Case cases[] = {
        {"one pixel", 1, 1, 0}, {"few colours", 301, 77, 30}, {"over 256", 640, 480, 500}, {"tall", 3, 900, 5}};
    std::mt19937 random(29);
    ScratchDirectory dir;
    for (const Case& c : cases) {
        const test::OwnedPicture picture = test::randomPicture(random, c.width, c.height, c.rare);
        const std::string path = (dir.path / "picture.png").string();
        writePng(picture.view(), path);
        const std::vector<std::uint32_t> written = test::decodePng(test::fileBytes(path));
        const std::vector<std::uint32_t> reference =
            test::decodePng(test::referencePng(test::referenceIndex(picture.view()), c.width, c.height));
        ASSERT_EQ(written.size(), picture.pixels.size()) << c.what << ": not read back";
        EXPECT_TRUE(written == reference) << c.what;
    }
}

TEST(PngFile, AFailedWriteLeavesTheEarlierFileAndNoTemporary) {
    std::mt19937 random(3);
    const test::OwnedPicture first = test::randomPicture(random, 200, 100, 0);
    const test::OwnedPicture second = test::randomPicture(random, 200, 100, 200);
    ScratchDirectory dir;
    const std::string path = (dir.path / "chart.png").string();
    writePng(first.view(), path);
    const std::vector<std::uint8_t> earlier = test::fileBytes(path);
    {
        const test::FileSizeLimit fullDisk(100);  // the PNG is larger
        EXPECT_EQ(test::errorOf([&] { writePng(second.view(), path); }), kFileAccess);
    }
    EXPECT_EQ(test::fileBytes(path), earlier);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1) << "a temporary left";
    EXPECT_EQ(test::errorOf([&] { writePng(first.view(), (dir.path / "gone" / "chart.png").string()); }), kFileAccess);
    EXPECT_EQ(test::errorOf([&] { writePng(PictureView{}, path); }), kFileAccess);
}

}  // namespace
}  // namespace tellvane::raster
