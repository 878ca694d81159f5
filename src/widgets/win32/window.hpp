#pragma once
// A window object that owns its HWND. Every message of every window of ours goes through one window
// procedure, which finds the object and lets no exception escape into Windows: what a handler lets
// through goes to the application's error box.

#include <windows.h>

#include <string>

namespace tips::widgets {

struct TWindowParams {
    std::string className;  // registered on first use with our window procedure
    std::string text;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int left = CW_USEDEFAULT;
    int top = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menuOrId = nullptr;
    UINT classStyle = CS_DBLCLKS;
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    HCURSOR cursor = LoadCursor(nullptr, IDC_ARROW);
    // An existing Windows class (such as "EDIT"): the window is subclassed, and what WndProc does not
    // handle goes to the class's own procedure.
    bool systemClass = false;
};

class TWindow {
public:
    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    virtual ~TWindow();

    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }

    std::string Text() const;
    void SetText(const std::string& text);

    // Client size in pixels.
    SIZE ClientSize() const;

    // The object of one of our windows, or nullptr for a window that is not ours.
    static TWindow* FromHandle(HWND hwnd);

    // Sees a message of the loop before it is translated and dispatched, when this is the top-level
    // window of the message's target; answers true when it consumed the message.
    virtual bool PreTranslateMessage(const MSG& /*message*/) { return false; }

protected:
    void CreateHandle(const TWindowParams& params);
    void DestroyHandle();

    // Handles one message; the default passes it to DefWindowProcA.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterClassOnce(const TWindowParams& params);
    void CreateSubclassedHandle(const TWindowParams& params);

    HWND handle_ = nullptr;
    WNDPROC classProcedure_ = nullptr;  // of a subclassed Windows class
};

}  // namespace tips::widgets
