#include "skin/win32/skin_manager.hpp"

#include <stdexcept>
#include <string>
#include <utility>

#include "skin/win32/redraw_suspension.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/form.hpp"

namespace tips::skin::win32 {
namespace {

TSkinManager* current = nullptr;

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace

TSkinManager* TSkinManager::Current() { return current; }

TSkinManager::TSkinManager(const TSkinData& skin, TSkinChoiceRules rules, TSkinSourceProperties properties)
    : skin_(skin), rules_(std::move(rules)), properties_(std::move(properties)) {
    if (current) throw std::logic_error("a skin manager already serves this process");
    current = this;
    hook_ = SetWindowsHookExW(WH_CBT, CbtProcedure, nullptr, GetCurrentThreadId());
    timer_ = SetTimer(nullptr, 0, kRequestInterval, RequestTimer);
}

TSkinManager::~TSkinManager() {
    if (timer_) KillTimer(nullptr, timer_);
    if (hook_) UnhookWindowsHookEx(hook_);
    menuWindows_.clear();
    forms_.clear();
    gone_.clear();
    current = nullptr;
}

bool TSkinManager::Offer(HWND window) {
    if (!window || !IsWindow(window)) return false;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    RECT rect{};
    GetWindowRect(window, &rect);
    TWindowCandidate candidate;
    candidate.ClassName = ClassNameOf(window);
    candidate.Listed = Skinned(window);
    candidate.ChildWindow = (style & WS_CHILD) != 0;
    candidate.MdiChild = (exStyle & WS_EX_MDICHILD) != 0;
    candidate.EmptySize = rect.right <= rect.left || rect.bottom <= rect.top;
    auto* const formObject = dynamic_cast<widgets::TForm*>(widgets::TWinControl::FindControl(window));
    if (formObject) candidate.FormTag = formObject->Tag;
    if (!ShouldSkinWindow(candidate, rules_)) return Skinned(window);
    const TRedrawSuspension paintedOnceAtTheEnd(window);
    auto form = std::make_unique<TSkinForm>(window, Context(), [this, window] { Forget(window); });
    if (!form->Attached()) return false;
    auto controls = std::make_unique<TSkinFormControls>(Context());
    if (formObject)
        controls->AttachForm(*formObject);
    else if (IsMessageBoxClass(candidate.ClassName))
        controls->AttachPlainWindow(window);
    form->AttachControls(std::move(controls));
    forms_.emplace(window, std::move(form));
    return true;
}

void TSkinManager::OfferThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    for (const HWND window : windows) Offer(window);
}

void TSkinManager::Forget(HWND window) {
    const auto found = forms_.find(window);
    if (found == forms_.end()) return;
    gone_.push_back(std::move(found->second));
    forms_.erase(found);
}

LRESULT CALLBACK TSkinManager::CbtProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (current && code >= 0) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        try {
            if (code == HCBT_ACTIVATE) {
                current->Offer(window);
            } else if (code == HCBT_CREATEWND && ClassNameOf(window) == "#32768") {
                current->MenuWindowCreated(window);
            } else if (code == HCBT_DESTROYWND && ClassNameOf(window) == "#32768") {
                current->MenuWindowDestroyed(window);
            }
        } catch (...) {
            // A window the skin cannot take keeps its own look; the hook must not throw into Windows.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManager::MenuWindowCreated(HWND window) {
    if (!properties_.SkinsFrames() || !rules_.ManagerOn) return;
    menuWindows_[window] = std::make_unique<TSkinPopupMenu>(window, Context(), menuBarOpening_);
}

void TSkinManager::MenuWindowDestroyed(HWND window) { menuWindows_.erase(window); }

void CALLBACK TSkinManager::RequestTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!current) return;
    current->gone_.clear();
    // A window activated before the manager existed is taken on the next tick.
    try {
        current->Offer(GetActiveWindow());
    } catch (...) {
    }
}

}  // namespace tips::skin::win32
