#include "skin_pictures.hpp"

#include "skin_picture_parts.hpp"

namespace tips::skin::art {

std::vector<SkinPicture> paintSkinPictures() {
    std::vector<SkinPicture> out;
    auto add = [&out](const char* name, SkinCanvas canvas) { out.push_back({name, std::move(canvas)}); };
    add("frame-top.bmp", paintFrameTop());
    add("frame-bottom.bmp", paintFrameBottom());
    add("frame-left.bmp", paintFrameSide(true));
    add("frame-right.bmp", paintFrameSide(false));
    add("menu-bar.bmp", paintMenuBar());
    add("background-dialog.bmp", paintDialogBackground());
    add("buttons.bmp", paintPushButtons());
    add("checkbox.bmp", paintCheckBox());
    add("radiobutton.bmp", paintRadioButton());
    add("progressbar.bmp", paintProgressBar());
    add("groupbox-border.bmp", paintGroupBoxBorder());
    add("page-border.bmp", paintPageBorder());
    add("page-tabs.bmp", paintPageTabs());
    add("statusbar.bmp", paintStatusBar());
    add("combo-button.bmp", paintComboButton());
    add("combo-border.bmp", paintComboBorder());
    add("combo-arrows.bmp", paintComboArrows());
    add("list-tab.bmp", paintHeaderSections());
    add("menu-item.bmp", paintMenuItem());
    add("menu-back.bmp", paintMenuBackground());
    add("scrollbar-arrows.bmp", paintScrollArrows());
    add("scrollbar-hback.bmp", paintScrollTrack(true));
    add("scrollbar-vback.bmp", paintScrollTrack(false));
    add("scrollbar-hbar.bmp", paintScrollThumb(true));
    add("scrollbar-vbar.bmp", paintScrollThumb(false));
    add("mdi-buttons.bmp", paintMdiButtons());
    add("groupbox-tab.bmp", paintGroupBoxTab());
    add("toolbars.bmp", paintToolbars());
    add("menu-buttons.bmp", paintMenuButtons());
    add("titlebar-min.bmp", paintTitleButton(glyphs::minimise, false));
    add("titlebar-max.bmp", paintTitleButton(glyphs::maximise, false));
    add("titlebar-close.bmp", paintTitleButton(glyphs::close, true));
    add("titlebar-help.bmp", paintTitleButton(glyphs::help, false));
    add("titlebar-restore.bmp", paintTitleButton(glyphs::restore, false));
    add("titlebar-lock.bmp", paintTitleButton(glyphs::lock, false));
    add("titlebar-unlock.bmp", paintTitleButton(glyphs::unlock, false));
    add("titlebar-rollup.bmp", paintTitleButton(glyphs::rollup, false));
    add("titlebar-unroll.bmp", paintTitleButton(glyphs::unroll, false));
    add("titlebar-winmenu.bmp", paintTitleButton(glyphs::windowMenu, false));
    add("titlebar-icon.bmp", paintTitleIcon());
    return out;
}

}  // namespace tips::skin::art
