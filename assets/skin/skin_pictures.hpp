#pragma once
// The pictures of our own skin, painted from code. Every entry has the name and pixel size the
// skin's INI text and the program's frame and control drawing expect.

#include <string>
#include <vector>

#include "skin_canvas.hpp"

namespace tips::skin::art {

struct SkinPicture {
    std::string name;  // archive entry name, e.g. "frame-top.bmp"
    SkinCanvas canvas;
};

// All 40 pictures, in archive order.
std::vector<SkinPicture> paintSkinPictures();

}  // namespace tips::skin::art
