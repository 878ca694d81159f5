#include "skin/menu_window_background.hpp"

#include <algorithm>

#include "skin/nine_slice.hpp"

namespace tips::skin {

bool PaintMenuBackground(platform::TCanvas& canvas, TSkinBitmapCache& bitmaps, const TSkinData& skin, TViewSize size) {
    if (!skin.MenuBackground) return false;
    const auto slice = ElementSlice(*skin.MenuBackground, 1);
    return slice && DrawNineSlice(canvas, bitmaps.For(skin.MenuBackground->Bitmap, skin.MenuBackground->Name), *slice,
                                  {0, 0, size.Width, size.Height});
}

TViewRect MenuItemsArea(TViewSize size) {
    const int right = std::max(kMenuBorder, size.Width - kMenuBorder);
    const int bottom = std::max(kMenuBorder, size.Height - kMenuBorder);
    return {kMenuBorder, kMenuBorder, right, bottom};
}

std::vector<TBorderCopy> MenuBorderCopies(TViewSize cached, TViewSize window) {
    const int b = kMenuBorder;
    if (cached.Width < 2 * b || cached.Height < 2 * b || window.Width < 2 * b || window.Height < 2 * b) return {};
    const int width = std::min(cached.Width, window.Width);
    std::vector<TBorderCopy> copies{
        {{0, 0, width, b}, {0, 0, width, b}},
        {{0, cached.Height - b, width, cached.Height}, {0, window.Height - b, width, window.Height}},
    };
    if (cached.Height > 2 * b && window.Height > 2 * b) {
        copies.push_back({{0, b, b, cached.Height - b}, {0, b, b, window.Height - b}});
        copies.push_back({{cached.Width - b, b, cached.Width, cached.Height - b},
                          {window.Width - b, b, window.Width, window.Height - b}});
    }
    return copies;
}

}  // namespace tips::skin
