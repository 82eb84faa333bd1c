#include "tools/support/Showcase.h"
#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace gfx {
namespace {

TEST(Showcase, PaintsAndWritesASnapshot)
{
    TBitmap picture;
    DrawShowcase(picture);
    ASSERT_FALSE(picture.Empty());
    // The hole of the region-clipped fill keeps the background.
    EXPECT_EQ(picture.GetPixel(670, 230), ColorToRGB(clBtnFace));
    EXPECT_NE(picture.GetPixel(620, 230), ColorToRGB(clBtnFace));

    const char* dir = std::getenv("VELTRIN_SNAPSHOT_DIR");
    std::filesystem::path folder = dir ? dir : std::filesystem::temp_directory_path().string();
    std::filesystem::create_directories(folder);
    std::filesystem::path file = folder / "graphics-showcase.png";
    picture.SaveToPngFile(file.string());
    EXPECT_GT(std::filesystem::file_size(file), 1000u);
}

} // namespace
} // namespace gfx
