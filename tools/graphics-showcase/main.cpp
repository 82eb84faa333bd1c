// graphics-showcase <out.png>: paints the drawing layer's showcase picture,
// writes it as PNG and prints the path it was written to.

#include "tools/support/Showcase.h"
#include "platform/graphics/TBitmap.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: graphics-showcase <out.png>\n";
        return 2;
    }
    try {
        std::filesystem::path out = std::filesystem::absolute(argv[1]);
        if (out.has_parent_path())
            std::filesystem::create_directories(out.parent_path());
        gfx::TBitmap picture;
        gfx::DrawShowcase(picture);
        picture.SaveToPngFile(out.string());
        std::cout << out.string() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "graphics-showcase: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
