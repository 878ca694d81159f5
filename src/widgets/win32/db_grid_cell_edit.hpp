#pragma once
// The data grid's in-place cell editor: a borderless Windows edit box laid over the current cell. It
// keeps the caret keys, the typing and the clipboard keys for itself and hands the grid's keys (rows,
// Tab, Enter, Esc, F2, Insert) to the grid, and tells the grid where the focus goes.

#include <windows.h>

#include <string>

#include "widgets/shortcut.hpp"
#include "widgets/win32/window.hpp"

namespace tips::widgets {

class TDBGridCellEditOwner {
public:
    // A grid key pressed in the box; answers whether the grid used it.
    virtual bool CellEditKeyDown(WORD key, TShiftState shift) = 0;
    // The box got (`gained`) or lost the focus; `other` lost or gets it.
    virtual void CellEditFocusChanged(bool gained, HWND other) = 0;
    virtual bool CellEditWantsTab() const = 0;

protected:
    ~TDBGridCellEditOwner() = default;
};

// The modifier keys held now.
TShiftState KeyboardShiftState();

class TDBGridCellEdit final : public TWindow {
public:
    explicit TDBGridCellEdit(TDBGridCellEditOwner& owner) : owner_(owner) {}
    ~TDBGridCellEdit() override;

    // Makes the (hidden) box inside the grid's window once.
    void CreateIn(HWND grid, HFONT font);
    void Destroy() { DestroyHandle(); }
    void SetFont(HFONT font);

    // Places and shows the box; text and selection are set only when the text differs from the box's.
    void Show(const RECT& cell, const std::string& text, int maxLength, bool selectAll, bool takeFocus);
    // Hides the box; when it had the focus the grid gets it.
    void Hide();
    bool Showing() const;
    std::string EditText() const { return HandleAllocated() ? Text() : std::string(); }
    // Replaces the text without the change reaching the grid as typing.
    void SetEditText(const std::string& text);
    bool SettingText() const { return settingText_; }

    static bool IsGridKey(WORD key, TShiftState shift);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TDBGridCellEditOwner& owner_;
    bool settingText_ = false;
};

}  // namespace tips::widgets
