// screen-shot: writes the whole X screen ($DISPLAY) as a PNG, for the
// end-to-end tests' pictures of the program as a user sees it.
//   screen-shot <file.png>

#include "platform/graphics/TBitmap.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: screen-shot <file.png>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "screen-shot: no X display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
        static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        XCloseDisplay(display);
        std::fprintf(stderr, "screen-shot: the screen cannot be read\n");
        return 1;
    }
    gfx::TBitmap bitmap(attributes.width, attributes.height);
    for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const unsigned r = (pixel & image->red_mask) >> 16;
            const unsigned g = (pixel & image->green_mask) >> 8;
            const unsigned b = pixel & image->blue_mask;
            bitmap.SetPixel(x, y, static_cast<gfx::TColor>(r | (g << 8) | (b << 16)));
        }
    XDestroyImage(image);
    XCloseDisplay(display);
    bitmap.SaveToPngFile(argv[1]);
    return 0;
}
