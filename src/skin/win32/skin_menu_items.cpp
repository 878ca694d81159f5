#include "skin/win32/skin_menu_items.hpp"

#include <algorithm>
#include <string_view>

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

void TSkinMenuItems::Measure(MEASUREITEMSTRUCT& measure, const TItem& item, const TMarked& marked) const {
    (void)item;
    (void)marked;
    measure.itemWidth = 100;
    measure.itemHeight = 18;
}

void TSkinMenuItems::Draw(const DRAWITEMSTRUCT& draw, const TItem& item, const TMarked& marked) const {
    (void)draw;
    (void)item;
    (void)marked;
}

}  // namespace tips::skin::win32
