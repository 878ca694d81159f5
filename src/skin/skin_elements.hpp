#pragma once
// The element records of the skin model: one per drawn element, holding its image, how the image is
// cut into state frames and sliced for stretching, and its text colours.

#include <optional>
#include <string>

#include "skin/bitmap.hpp"
#include "skin/skin_colours.hpp"

namespace tips::skin {

// The common record. Margins are the fixed parts of a nine-slice image.
struct TSkinElement {
    int LeftWidth = 0;
    int TopHeight = 0;
    int RightWidth = 0;
    int BottomHeight = 0;
    Image Bitmap;           // empty when the skin names no usable image
    int Trans = 0;          // 1: magenta pixels are transparent
    int Tile = 0;           // 1: tile the middle parts, 0: stretch them
    std::string Name;       // the INI section (or piece) it was read from
    int FrameCount = 1;     // state frames in Bitmap
    int Style = 0;
    int NormalColour = -1;  // palette indexes, -1 for none
    int MouseOverColour = -1;
    int PressedColour = -1;
    TColor NormalColour2 = clBtnText;  // text colours; the reader puts the skin's ButtonText here
    TColor MouseOverColour2 = clBtnText;
    TColor PressedColour2 = clBtnText;
};

// An element with a second image: the window border pieces (with their Stretch value), Progress
// (Chunk), Tabs (Border), ComboButton (its mirrored copy), the up-down arrows (GlyphImage).
struct TSkinBorderElement : TSkinElement {
    Image Bitmap2;
    int Stretch = 1;  // border pieces: 1 stretches the centre, anything else tiles it
};

struct TSkinBoxLabelElement : TSkinElement {
    int BackgroundAlignment = 0;
    int BackgroundLeftShift = 0;
    int BackgroundRightShift = 0;
};

// [Buttons]: push buttons plus the check-box and radio-button glyphs.
struct TSkinButtonElement : TSkinElement {
    Image CheckButton;
    Image RadioButton;
    int CheckButtonFrame = 0;
    int RadioButtonFrame = 0;
    bool HasNormalColour2 = false;  // whether the skin gave the key at all
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

// The caption: the image behind the title text and how the text is placed.
struct TSkinTitleElement : TSkinElement {
    int TextShift = 0;
    int TextShiftVert = 0;
    int TextRightClip = 0;
    int TextAlignment = 0;  // 0 left, 1 centre, 2 right
    int Textbackground = 0;
    int TXTBackleft = 0;
    int TXTBackRight = 0;
    int FontHeight = 14;
    std::optional<TColor> ActiveTextColour;  // set only when the skin gives all three parts
    std::optional<TColor> InActiveTextColour;
};

// A title-bar button, or one of the three child-window control buttons.
struct TSkinSysButtonElement : TSkinElement {
    int Action = 0;
    int Align = 0;
    int Xcoord = 0;
    int Ycoord = 0;
    int CombineOp = -1;
    int Visibility = 0;
    int Visibility1 = 0;
};

}  // namespace tips::skin
