#pragma once
// A window object that owns its HWND. Every message of every window of ours goes through one window
// procedure, which finds the object and lets no exception escape into Windows: what a handler lets
// through goes to the application's error box.
//
// Lifetime: a window is destroyed while its object is whole, top-down, so that the WM_DESTROY handling
// of every class in it runs with all its members alive. An object that goes on its own (a form, a
// control dropped while its parent stays) is made as TOwnedWindow<T>, whose destructor destroys the
// window first; controls inside such a window need nothing, their windows go with it. A window object
// that finds its window still there when it is destroyed reports a lifetime fault.

#include <windows.h>

#include <string>

namespace tips::widgets {

// A window class of ours. Each kind of window keeps one description, registered with our window
// procedure the first time a window of it is made; two different descriptions of one name are a fault.
struct TWindowClass {
    std::string name;
    UINT style = CS_DBLCLKS;
    // Brush the background is erased with; nullptr when the window paints every pixel itself.
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    HCURSOR cursor = LoadCursor(nullptr, IDC_ARROW);

    friend bool operator==(const TWindowClass&, const TWindowClass&) = default;
};

// Registers the class once; throws std::logic_error for a name already registered differently.
void RegisterWindowClass(const TWindowClass& windowClass);

// What one window is made with. The class is one of ours or an existing Windows class.
struct TWindowParams {
    const TWindowClass* windowClass = nullptr;  // ours (kept by its owner for as long as the call)
    // Or an existing Windows class (such as "EDIT"): the window is subclassed, and what WndProc does not
    // handle goes to the class's own procedure.
    std::string systemClass;
    std::string text;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int left = CW_USEDEFAULT;
    int top = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menuOrId = nullptr;
};

// Called with a description of the window when a window object is destroyed while its window is still
// there (the window is then destroyed without the WM_DESTROY handling of the classes already gone).
// The default stops a build with assertions at once and does nothing more in a release build.
using TLifetimeFaultHandler = void (*)(const std::string& description);
// Installs a handler (nullptr: the default) and answers the previous one.
TLifetimeFaultHandler SetLifetimeFaultHandler(TLifetimeFaultHandler handler);

class TWindow {
public:
    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    // Only checks: the window must be gone by now (see the lifetime note above).
    virtual ~TWindow();

    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }

    // Destroys the window, and with it the windows inside it, while this object is whole.
    void DestroyHandle();

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

    // Handles one message; the default passes it to DefWindowProcA.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Made concrete only by TOwnedWindow; a class that must go through it (a form) declares it pure again.
    virtual void OwnerDestroysWindowFirst() {}

private:
    friend void RegisterWindowClass(const TWindowClass& windowClass);

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Attach(HWND hwnd, TWindow* window);
    static void Detach(HWND hwnd, TWindow* window);
    void CreateSubclassedHandle(const TWindowParams& params);

    HWND handle_ = nullptr;
    WNDPROC classProcedure_ = nullptr;  // of a subclassed Windows class
};

// A window object whose window, and every window inside it, is destroyed before any part of the
// object is: `TOwnedWindow<TForm1> form;` instead of `TForm1 form;`. The class itself then needs no
// destructor for its WM_DESTROY handling to run.
template <class T>
class TOwnedWindow final : public T {
public:
    using T::T;
    ~TOwnedWindow() override { this->DestroyHandle(); }

private:
    void OwnerDestroysWindowFirst() final {}
};

}  // namespace tips::widgets
