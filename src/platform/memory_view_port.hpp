#pragma once
// Ports without a device: fixed metrics, and window services that record what the control told them.
// tipstool's editor scripts and the editor's tests run against TMemoryViewPort, which is both; a
// layout that needs no window can take TMemoryViewMetrics alone.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/view_metrics.hpp"
#include "platform/window_services.hpp"

namespace tips::platform {

// One character cell for every style, and a client size the test sets.
class TMemoryViewMetrics : public TViewMetrics {
public:
    TMemoryViewMetrics(TViewSize client, TViewSize cell) : client_(client), cell_(cell) {}

    void SetClientSize(TViewSize size) { client_ = size; }

    TViewSize ClientSize() const override { return client_; }
    TViewSize CharacterCell(TFontStyles) const override { return cell_; }

private:
    TViewSize client_;
    TViewSize cell_;
};

// A window that exists and has the focus unless told otherwise, and remembers what it was asked.
class TMemoryWindowServices : public TWindowServices {
public:
    struct Caret {
        bool Created = false;
        bool Shown = false;
        int Width = 0;
        int Height = 0;
        int X = 0;
        int Y = 0;
    };
    struct Hint {
        bool Shown = false;
        std::string Text;
        int X = 0;
        int Y = 0;
    };

    // --- controls for the test or script ---
    void SetWindowExists(bool exists) { exists_ = exists; }
    void SetFocus(bool focused) { focused_ = focused; }
    // The hint window's size for any text (narrowed to the width asked for) and the scroll-arrow height.
    void SetHintSize(TViewSize size) { hintSize_ = size; }
    void SetVerticalScrollArrowHeight(int height) { arrowHeight_ = height; }

    // --- what the control told the window ---
    const TViewScrollInfo* ScrollInfo(TScrollBarKind bar) const {
        const auto it = scroll_.find(bar);
        return it == scroll_.end() ? nullptr : &it->second;
    }
    TScrollArrows Arrows(TScrollBarKind bar) const {
        const auto it = arrows_.find(bar);
        return it == arrows_.end() ? TScrollArrows::EnableBoth : it->second;
    }
    const std::vector<TViewRect>& Invalidated() const { return invalidated_; }
    const std::vector<int>& PixelScrolls() const { return pixelScrolls_; }
    int UpdateCount() const { return updates_; }
    const Caret& CaretState() const { return caret_; }
    bool TimerRunning(int id) const { return timers_.count(id) != 0; }
    int TimerInterval(int id) const {
        const auto it = timers_.find(id);
        return it == timers_.end() ? 0 : it->second;
    }
    const Hint& HintState() const { return hint_; }
    // The widest hint the control asked to be measured for.
    int HintMaxWidth() const { return hintMaxWidth_; }
    bool AcceptsDroppedFiles() const { return acceptsFiles_; }
    void ClearRecords() {
        invalidated_.clear();
        pixelScrolls_.clear();
        updates_ = 0;
    }

    // --- TWindowServices ---
    bool WindowExists() const override { return exists_; }
    void SetScrollInfo(TScrollBarKind bar, const TViewScrollInfo& info) override { scroll_[bar] = info; }
    void EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) override { arrows_[bar] = arrows; }
    void Invalidate(const TViewRect& rect) override {
        if (!rect.IsEmpty()) invalidated_.push_back(rect);
    }
    void ScrollPixels(int dy, const TViewRect&) override { pixelScrolls_.push_back(dy); }
    void UpdateNow() override { ++updates_; }
    bool HasFocus() const override { return focused_; }
    void TakeFocus() override { focused_ = true; }
    void CreateCaret(int width, int height) override {
        caret_.Created = true;
        caret_.Shown = false;
        caret_.Width = width;
        caret_.Height = height;
    }
    void DestroyCaret() override { caret_ = Caret{}; }
    void MoveCaret(int x, int y) override {
        caret_.X = x;
        caret_.Y = y;
    }
    void ShowCaret() override { caret_.Shown = caret_.Created; }
    void HideCaret() override { caret_.Shown = false; }
    void PlaceComposition(int, int) override {}
    void StartTimer(int id, int milliseconds) override { timers_[id] = milliseconds; }
    void StopTimer(int id) override { timers_.erase(id); }
    void CaptureMouse() override { captured_ = true; }
    void ReleaseMouse() override { captured_ = false; }
    bool HasCapture() const override { return captured_; }
    TViewSize HintSize(const std::string&, int maxWidth) const override {
        hintMaxWidth_ = maxWidth;
        return {std::min(hintSize_.Width, maxWidth), hintSize_.Height};
    }
    void ShowHint(const std::string& text, int x, int y) override { hint_ = {true, text, x, y}; }
    void HideHint() override { hint_.Shown = false; }
    int VerticalScrollArrowHeight() const override { return arrowHeight_; }
    void AcceptDroppedFiles(bool accept) override { acceptsFiles_ = accept; }

private:
    bool exists_ = true;
    bool focused_ = true;
    bool captured_ = false;
    bool acceptsFiles_ = false;
    TViewSize hintSize_{100, 20};
    mutable int hintMaxWidth_ = 0;
    int arrowHeight_ = 17;
    Hint hint_;
    int updates_ = 0;
    Caret caret_;
    std::map<TScrollBarKind, TViewScrollInfo> scroll_;
    std::map<TScrollBarKind, TScrollArrows> arrows_;
    std::map<int, int> timers_;
    std::vector<TViewRect> invalidated_;
    std::vector<int> pixelScrolls_;
};

// Both in one object, as a window is: attach it as the metrics and as the window services.
class TMemoryViewPort final : public TMemoryViewMetrics, public TMemoryWindowServices {
public:
    TMemoryViewPort(TViewSize client, TViewSize cell) : TMemoryViewMetrics(client, cell) {}
};

}  // namespace tips::platform
