// Draws the program's own skin and writes it into a folder: frame.bmp, pw.bmp,
// pwmask.bmp, menuitems.bmp, active.bmp, hw.bmp, hwmask.bmp, the controls'
// picture controls.bmp with the masks buttonmask.bmp and groupboxmask.bmp, and skin.ini (GBK, lines ended by CR LF).
//
//     draw-skin <folder>

#include "ControlPictures.h"
#include "SkinIniText.h"
#include "SkinPictures.h"

#include "platform/text/Gbk.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void WritePicture(const std::filesystem::path& folder, const char* name, gfx::TBitmap picture)
{
    picture.PixelFormat = gfx::TPixelFormat::pf24bit;
    picture.SaveToFile((folder / name).string());
}

void WriteIni(const std::filesystem::path& path)
{
    std::string text;
    for (const std::string& line : drawskin::SkinIniLines())
        text += line + "\r\n";
    const std::string gbk = text::Utf8ToGbk(text);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(gbk.data(), static_cast<std::streamsize>(gbk.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: draw-skin <folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        WritePicture(folder, "frame.bmp", drawskin::DrawFramePicture());
        WritePicture(folder, "pw.bmp", drawskin::DrawPopupWindowPicture());
        WritePicture(folder, "pwmask.bmp", drawskin::DrawPopupWindowMask());
        WritePicture(folder, "menuitems.bmp", drawskin::DrawMenuItemsPicture());
        WritePicture(folder, "active.bmp", drawskin::DrawCaptionButtonsPicture());
        WritePicture(folder, "hw.bmp", drawskin::DrawHintWindowPicture());
        WritePicture(folder, "controls.bmp", drawskin::DrawControlsPicture());
        WritePicture(folder, "buttonmask.bmp", drawskin::DrawButtonMask());
        WritePicture(folder, "groupboxmask.bmp", drawskin::DrawGroupBoxMask());
        WritePicture(folder, "hwmask.bmp", drawskin::DrawHintWindowMask());
        WriteIni(folder / "skin.ini");
        std::cout << "skin written to " << folder.string() << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "draw-skin: " << error.what() << "\n";
        return 1;
    }
}
