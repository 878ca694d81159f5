#pragma once
// Painters shared by the picture files: each returns one finished archive picture.

#include "skin_canvas.hpp"

namespace tips::skin::art {

// Window frame and title bar (skin_frame_pictures.cpp).
SkinCanvas paintFrameTop();
SkinCanvas paintFrameBottom();
SkinCanvas paintFrameSide(bool left);
SkinCanvas paintMenuBar();
SkinCanvas paintMenuButtons();
SkinCanvas paintTitleButton(const char* glyph, bool danger);
SkinCanvas paintTitleIcon();
SkinCanvas paintMdiButtons();

// Controls (skin_control_pictures.cpp).
SkinCanvas paintDialogBackground();
SkinCanvas paintPushButtons();
SkinCanvas paintToolbars();
SkinCanvas paintCheckBox();
SkinCanvas paintRadioButton();
SkinCanvas paintProgressBar();
SkinCanvas paintGroupBoxBorder();
SkinCanvas paintGroupBoxTab();
SkinCanvas paintPageBorder();
SkinCanvas paintPageTabs();
SkinCanvas paintStatusBar();
SkinCanvas paintComboButton();
SkinCanvas paintComboBorder();
SkinCanvas paintComboArrows();
SkinCanvas paintHeaderSections();
SkinCanvas paintMenuItem();
SkinCanvas paintMenuBackground();
SkinCanvas paintScrollArrows();
SkinCanvas paintScrollTrack(bool horizontal);
SkinCanvas paintScrollThumb(bool horizontal);

// Glyph patterns of the title-bar buttons, 8 x 8 or smaller, '#' marks a pixel.
namespace glyphs {
extern const char* const minimise;
extern const char* const maximise;
extern const char* const close;
extern const char* const restore;
extern const char* const help;
extern const char* const lock;
extern const char* const unlock;
extern const char* const rollup;
extern const char* const unroll;
extern const char* const windowMenu;
}  // namespace glyphs

}  // namespace tips::skin::art
