#include "app/win32/form2.hpp"

#include "app/about_picture.hpp"
#include "app/about_texts.hpp"
#include "app/app_texts.hpp"
#include "skin/bitmap.hpp"

namespace tips::app {

namespace {

using platform::TFontDescription;

// The embedded picture as the canvas draws it.
platform::TBitmap AboutPicture() {
    const skin::Image image = skin::ReadBitmap(AboutPictureBitmap());
    platform::TBitmap bitmap("Imagen", image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const skin::Rgb c = image.At(x, y);
            bitmap.Set(x, y, platform::RgbColor(c.r, c.g, c.b));
        }
    }
    return bitmap;
}

// The product's name and the copyright line: bold, black, 10 point, centred in their bounds.
void PlaceTitle(widgets::TLabel& label, const char* name, int left, int top, int width, int height,
                const char* caption) {
    label.Name = name;
    label.SetBounds(left, top, width, height);
    label.SetCaption(caption);
    label.SetFont(TFontDescription{"MS Sans Serif", -13, platform::fsBold});
    label.SetFontColor(platform::clBlack);
    label.SetAlignment(widgets::TAlignment::taCenter);
}

// The plain lines beside the links: bold, black, 8 point, no link.
void PlaceText(widgets::TExtSimpleLabel& label, const char* name, int left, int top, int width, int height,
               const char* caption) {
    label.Name = name;
    label.SetBounds(left, top, width, height);
    label.SetCaption(caption);
    label.SetFont({TFontDescription{"MS Sans Serif", -11, platform::fsBold}, platform::clBlack});
}

// A link: its caption the bare address, its target the web address; bold, underlined, blue, 8 point.
void PlaceLink(widgets::TExtSimpleLabel& label, const char* name, int left, int top, int width, int height,
               const char* address, const char* jump) {
    label.Name = name;
    label.SetBounds(left, top, width, height);
    label.SetCaption(address);
    const platform::TFontStyles style = platform::TFontStyles(platform::fsBold) | platform::fsUnderline;
    label.SetFont({TFontDescription{"MS Sans Serif", -11, style}, platform::clBlue});
    label.SetJump(jump);
    label.SetJumpMode(widgets::TExtJumpModes::jmInternet);
}

}  // namespace

TForm2::TForm2() {
    Bevel2.Name = "Bevel2";
    Bevel2.SetBounds(4, 12, 421, 301);

    Imagen.Name = "Imagen";
    Imagen.SetBounds(56, 24, 300, 164);
    Imagen.SetAutoSize(true);
    Imagen.SetPicture(AboutPicture());

    PlaceTitle(Label1, "Label1", 41, 192, 332, 16, kAboutVersion);
    PlaceTitle(Label3, "Label3", 44, 208, 326, 16, kAboutCopyright);
    PlaceText(ExtSimpleLabel2, "ExtSimpleLabel2", 104, 232, 207, 15, kAboutFindUs);
    PlaceLink(ExtSimpleLabel1, "ExtSimpleLabel1", 48, 248, 119, 15, kMakerAddress, kMakerJump);
    PlaceText(ExtSimpleLabel3, "ExtSimpleLabel3", 232, 248, 156, 15, kAboutMakerPortal);
    PlaceLink(ExtSimpleLabel4, "ExtSimpleLabel4", 48, 264, 164, 15, kPortalAddress, kPortalJump);
    PlaceText(ExtSimpleLabel5, "ExtSimpleLabel5", 232, 264, 101, 15, kAboutEducationPortal);

    Button1.Name = "Button1";
    Button1.SetBounds(181, 284, 75, 25);
    Button1.SetCaption("Aceptar");
    Button1.SetDefault(true);
    Button1.SetModalResult(widgets::mrOk);
    Button1.SetTabOrder(0);
    Button1.OnClick = [this](widgets::TButton& sender) { Button1Click(sender); };

    widgets::TFormLayout layout;
    layout.className = "TForm2";
    layout.caption = kAboutCaption;
    layout.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    layout.width = 439;
    layout.height = 347;
    layout.outerSize = true;
    layout.centerOnScreen = true;
    CreateForm(layout);
}

void TForm2::Button1Click(widgets::TButton& /*sender*/) { Close(); }

}  // namespace tips::app
