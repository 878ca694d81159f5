#include "skin/win32/skin_menu_items.hpp"

#include <algorithm>
#include <string_view>

#include "platform/font.hpp"
#include "platform/win32/double_buffer.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "skin/popup_menu_item.hpp"

namespace tips::skin::win32 {

namespace {

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

std::wstring ItemText(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info) || info.cch == 0) return {};
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    ++info.cch;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return {};
    text.resize(info.cch);
    return text;
}

}  // namespace

TSkinMenuItems::TSkinMenuItems(TSkinContext context) : context_(context) {}

TSkinMenuItems::~TSkinMenuItems() {
    while (!marked_.empty()) Restore(marked_.begin()->first);
}

void TSkinMenuItems::MakeOwnerDrawn(HMENU menu, const TOwnerDrawOptions& options) {
    if (!menu || !IsMenu(menu) || marked_.contains(menu)) return;
    TMarked marked;
    marked.Options = options;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) continue;
        auto item = std::make_unique<TItem>();
        item->Menu = menu;
        item->Position = static_cast<UINT>(position);
        item->OldType = info.fType;
        item->Separator = (info.fType & MFT_SEPARATOR) != 0;
        item->Text = Narrow(ItemText(menu, static_cast<UINT>(position)));
        MENUITEMINFOW change{};
        change.cbSize = sizeof change;
        change.fMask = MIIM_FTYPE | MIIM_DATA;
        change.fType = (info.fType & ~static_cast<UINT>(MFT_STRING)) | MFT_OWNERDRAW;
        change.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
        if (SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &change)) marked.Items.push_back(std::move(item));
    }
    marked_.emplace(menu, std::move(marked));
}

bool TSkinMenuItems::MakeFormPopupOwnerDrawn(const widgets::TPopupMenu& menu) {
    const TSkinSourceProperties& properties = context_.Properties;
    if (!properties.SkinsFrames() || !properties.SkinsPopupMenus()) return false;
    if (DisabledByTag(menu.Tag, properties.DisableTag) || !menu.Handle()) return false;
    MakeOwnerDrawn(menu.Handle());
    return marked_.contains(menu.Handle());
}

void TSkinMenuItems::Restore(HMENU menu) {
    const auto found = marked_.find(menu);
    if (found == marked_.end()) return;
    if (IsMenu(menu)) {
        for (const auto& item : found->second.Items) {
            MENUITEMINFOW change{};
            change.cbSize = sizeof change;
            change.fMask = MIIM_FTYPE | MIIM_DATA;
            change.fType = item->OldType & ~static_cast<UINT>(MFT_OWNERDRAW);
            change.dwItemData = 0;
            std::wstring text = Widen(item->Text);
            if (!item->Separator) {
                change.fMask |= MIIM_STRING;
                change.dwTypeData = text.data();
                change.cch = static_cast<UINT>(text.size());
            }
            SetMenuItemInfoW(menu, item->Position, TRUE, &change);
        }
    }
    marked_.erase(found);
}

const TSkinMenuItems::TItem* TSkinMenuItems::Find(ULONG_PTR data) const {
    for (const auto& [menu, marked] : marked_)
        for (const auto& item : marked.Items)
            if (reinterpret_cast<ULONG_PTR>(item.get()) == data) return item.get();
    return nullptr;
}

const TSkinMenuItems::TMarked* TSkinMenuItems::MarkedFor(const TItem& item) const {
    const auto found = marked_.find(item.Menu);
    return found == marked_.end() ? nullptr : &found->second;
}

bool TSkinMenuItems::HandleMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (!measure || measure->CtlType != ODT_MENU) return false;
        const TItem* item = Find(measure->itemData);
        const TMarked* marked = item ? MarkedFor(*item) : nullptr;
        if (!marked) return false;
        Measure(*measure, *item, *marked);
        result = TRUE;
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!draw || draw->CtlType != ODT_MENU) return false;
        const TItem* item = Find(draw->itemData);
        const TMarked* marked = item ? MarkedFor(*item) : nullptr;
        if (!marked) return false;
        Draw(*draw, *item, *marked);
        result = TRUE;
        return true;
    }
    return false;
}

namespace {

// The system's menu font, as the canvas describes fonts.
platform::TFontDescription MenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    platform::TFontDescription font;
    font.Face = Narrow(metrics.lfMenuFont.lfFaceName);
    font.Height = metrics.lfMenuFont.lfHeight;
    font.CharSet = metrics.lfMenuFont.lfCharSet;
    return font;
}

TSkinMenuItem SkinItem(const TSkinMenuItems::TItem& item) {
    TSkinMenuItem skinItem;
    const auto tab = item.Text.find('\t');
    skinItem.Caption = item.Text.substr(0, tab);
    if (tab != std::string::npos) skinItem.ShortCut = item.Text.substr(tab + 1);
    skinItem.Separator = item.Separator;
    return skinItem;
}

std::string WithoutPrefixes(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

constexpr int kShortCutGap = 16;  // between the caption and the shortcut
constexpr int kSeparatorHeight = 8;

}  // namespace

void TSkinMenuItems::Measure(MEASUREITEMSTRUCT& measure, const TItem& item, const TMarked& marked) const {
    const TSkinMenuItem skinItem = SkinItem(item);
    const platform::TPlainFont font(MenuFont());
    const HDC screen = GetDC(nullptr);
    int measured = 0;
    int height = kSeparatorHeight;
    {
        platform::TGdiCanvas canvas(screen);
        canvas.SetFont(font);
        if (!skinItem.Separator) {
            measured = canvas.TextExtent(WithoutPrefixes(PopupItemCaption(skinItem))).Width;
            if (!skinItem.ShortCut.empty()) measured += kShortCutGap + canvas.TextExtent(skinItem.ShortCut).Width;
            height = std::max(canvas.TextMetrics().Height + 6, GetSystemMetrics(SM_CYMENUSIZE));
        }
    }
    ReleaseDC(nullptr, screen);
    measure.itemWidth = static_cast<UINT>(
        PopupItemWidth(context_.Skin, measured, marked.Options.HasImageList, marked.Options.MainMenu));
    measure.itemHeight = static_cast<UINT>(height);
}

void TSkinMenuItems::Draw(const DRAWITEMSTRUCT& draw, const TItem& item, const TMarked& marked) const {
    TSkinMenuItem skinItem = SkinItem(item);
    skinItem.Selected = (draw.itemState & ODS_SELECTED) != 0;
    skinItem.Enabled = (draw.itemState & (ODS_DISABLED | ODS_GRAYED)) == 0;
    skinItem.Default = (draw.itemState & ODS_DEFAULT) != 0;
    const int width = draw.rcItem.right - draw.rcItem.left;
    const int height = draw.rcItem.bottom - draw.rcItem.top;
    platform::TDoubleBuffer buffer(draw.hDC, {width, height});
    if (!buffer.Usable()) return;
    const platform::TPlainFont font(MenuFont());
    {
        platform::TGdiCanvas canvas(buffer.get());
        const TPopupMenuItemPainter painter(context_.Skin, context_.Bitmaps);
        painter.Paint(canvas, {0, 0, width, height}, skinItem, font);
        // The system menu's pictures, one cell per item, at the item's left.
        const auto& options = marked.Options;
        if (options.Images && item.Position < options.ImageIndex.size() && options.ImageIndex[item.Position] >= 0) {
            const int cell = options.ImageIndex[item.Position];
            const platform::TViewRect source{cell * options.ImageSize, 0, (cell + 1) * options.ImageSize,
                                             options.ImageSize};
            const int top = (height - options.ImageSize) / 2;
            if (options.Images->Holds(source))
                canvas.DrawBitmap(*options.Images, source, {2, top, 2 + options.ImageSize, top + options.ImageSize},
                                  options.ImagesTransparent);
        }
    }
    BitBlt(draw.hDC, draw.rcItem.left, draw.rcItem.top, width, height, buffer.get(), 0, 0, SRCCOPY);
}

}  // namespace tips::skin::win32
