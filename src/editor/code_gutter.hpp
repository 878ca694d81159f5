#pragma once
// The editor's gutter: whether it shows line numbers, how many digit positions they take, the
// pixel width that follows from that, and the colours and font the painter draws it in. The editor owns one, reacts to
// its changes by resizing the text area, and asks it for the text of each line number.

#include <cstdint>
#include <functional>
#include <string>

#include "editor/code_edit_font.hpp"
#include "platform/color.hpp"

namespace tips::editor {

class TCodeGutter {
public:
    static constexpr int kMinDigits = 2;
    static constexpr int kMaxDigits = 12;

    // Called after any property changed value; the owning editor recomputes its gutter width.
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { Set(autoSize_, value); }
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor value) { Set(color_, value); }
    // Minimum number of digit positions, kept within 2..12; also becomes the displayed count.
    int DigitCount() const { return digitCount_; }
    void SetDigitCount(int value);
    bool LeadingZeros() const { return leadingZeros_; }
    void SetLeadingZeros(bool value) { Set(leadingZeros_, value); }
    int LeftOffset() const { return leftOffset_; }
    void SetLeftOffset(int value) { Set(leftOffset_, value < 0 ? 0 : value); }
    int RightOffset() const { return rightOffset_; }
    void SetRightOffset(int value) { Set(rightOffset_, value < 0 ? 0 : value); }
    bool ShowLineNumbers() const { return showLineNumbers_; }
    void SetShowLineNumbers(bool value) { Set(showLineNumbers_, value); }
    bool UseFontStyle() const { return useFontStyle_; }
    void SetUseFontStyle(bool value) { Set(useFontStyle_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Set(visible_, value); }
    // Width while line numbers are not shown.
    int Width() const { return width_; }
    void SetWidth(int value) { Set(width_, value < 0 ? 0 : value); }
    bool ZeroStart() const { return zeroStart_; }
    void SetZeroStart(bool value) { Set(zeroStart_, value); }

    // The line numbers' font and colour (used when UseFontStyle is on).
    const TCodeEditFont& Font() const { return font_; }
    void SetFont(const TCodeEditFont& value) { Set(font_, value); }

    // Digit positions the numbers take now.
    int DisplayedDigitCount() const { return displayedDigits_; }
    // Widens or narrows the numbers to the digits of the last line number when the gutter sizes
    // itself (visible, automatic size, numbers shown); otherwise falls back to DigitCount quietly.
    void FitDigitCount(int lineCount);
    // Line `line` (1-based) as drawn: right-aligned in the displayed digit positions.
    std::string LineNumberText(int line) const;
    // Pixel width for a character cell `cellWidth` pixels wide: 0 when hidden.
    int ComputedWidth(int cellWidth) const;

    // Copies every property and the displayed digit count, then reports one change.
    void Assign(const TCodeGutter& source);

private:
    template <typename T>
    void Set(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed() {
        if (onChange_) onChange_();
    }

    bool autoSize_ = false;
    platform::TColor color_ = platform::clBtnFace;
    int digitCount_ = 4;
    bool leadingZeros_ = false;
    int leftOffset_ = 16;
    int rightOffset_ = 2;
    bool showLineNumbers_ = false;
    bool useFontStyle_ = true;
    bool visible_ = true;
    int width_ = 30;
    bool zeroStart_ = false;
    int displayedDigits_ = 4;
    TCodeEditFont font_ = DefaultGutterFont();
    std::function<void()> onChange_;
};

}  // namespace tips::editor
