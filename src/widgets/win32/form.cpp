#include "widgets/win32/form.hpp"

namespace tips::widgets {

void TForm::CreateForm(const TFormLayout& layout) {
    RECT frame{0, 0, layout.width, layout.height};
    if (!layout.outerSize) AdjustWindowRectEx(&frame, layout.style, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    TWindowParams params;
    params.className = layout.className;
    params.text = layout.caption;
    params.style = layout.style;
    params.width = width;
    params.height = height;
    if (layout.centerOnScreen) {
        params.left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        params.top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    CreateHandle(params);

    font_.reset(CreateFontA(layout.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            layout.fontName.c_str()));
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

    LayoutLoaded();
    FormCreate();
}

}  // namespace tips::widgets
