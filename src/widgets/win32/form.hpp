#pragma once
// A top-level form: its window is made from a layout, its components are loaded, and only then does
// its creation handler run; its destroy handler runs before any of its components go away.

#include <windows.h>

#include <string>

#include "platform/win32/gdi_object.hpp"
#include "widgets/win32/window.hpp"

namespace tips::widgets {

struct TFormLayout {
    std::string className;
    std::string caption;
    int width = 0;  // of the client area, or of the whole window with outerSize
    int height = 0;
    bool outerSize = false;
    bool centerOnScreen = false;
    std::string fontName = "MS Sans Serif";
    int fontHeight = -11;  // negative: character height in pixels
    DWORD style = WS_OVERLAPPEDWINDOW;
};

class TForm : public TWindow {
public:
    HFONT Font() const { return font_.get(); }

protected:
    // Makes the (hidden) window, runs LayoutLoaded and then FormCreate.
    void CreateForm(const TFormLayout& layout);

    // Post-load hook: every component the form holds gets its LayoutLoaded here.
    virtual void LayoutLoaded() {}
    virtual void FormCreate() {}

private:
    platform::TFontHandle font_;
};

}  // namespace tips::widgets
