// make_about: paints the about box's picture and writes it out. The build runs it on the host, also in a
// cross build.
//   make_about --bitmap FILE   the picture as a 24-bit bitmap file, to look at
//   make_about --embed SOURCE  a C++ source defining AboutPictureBitmap() over that file's bytes

#include "about_picture.hpp"
#include "embedded_bytes.hpp"
#include "skin/bitmap.hpp"

namespace {

tips::assets::Bytes PictureFile() { return tips::skin::WriteBitmap(tips::app::about::paintAboutPicture().image()); }

}  // namespace

int main(int argc, char** argv) {
    return tips::assets::RunPictureGenerator(
        argc, argv, {"make_about", "assets/about", "app/about_picture.hpp", "tips::app", "AboutPictureBitmap"},
        &PictureFile);
}
