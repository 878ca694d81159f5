#include "editor/code_gutter.hpp"

#include <algorithm>

namespace tips::editor {

void TCodeGutter::SetDigitCount(int value) {
    value = std::clamp(value, kMinDigits, kMaxDigits);
    if (value == digitCount_) return;
    digitCount_ = value;
    displayedDigits_ = value;
    Changed();
}

void TCodeGutter::FitDigitCount(int lineCount) {
    if (!(visible_ && autoSize_ && showLineNumbers_)) {
        displayedDigits_ = digitCount_;
        return;
    }
    const int last = zeroStart_ ? lineCount - 1 : lineCount;
    const int digits = std::max(digitCount_, static_cast<int>(std::to_string(last).size()));
    if (digits == displayedDigits_) return;
    displayedDigits_ = digits;
    Changed();
}

std::string TCodeGutter::LineNumberText(int line) const {
    const std::string number = std::to_string(zeroStart_ ? line - 1 : line);
    const std::size_t field = static_cast<std::size_t>(displayedDigits_);
    if (number.size() >= field) return number;
    return std::string(field - number.size(), leadingZeros_ ? '0' : ' ') + number;
}

int TCodeGutter::ComputedWidth(int cellWidth) const {
    if (!visible_) return 0;
    if (!showLineNumbers_) return width_;
    return leftOffset_ + rightOffset_ + displayedDigits_ * cellWidth + 2;
}

void TCodeGutter::Assign(const TCodeGutter& source) {
    if (&source == this) return;
    autoSize_ = source.autoSize_;
    color_ = source.color_;
    digitCount_ = source.digitCount_;
    leadingZeros_ = source.leadingZeros_;
    leftOffset_ = source.leftOffset_;
    rightOffset_ = source.rightOffset_;
    showLineNumbers_ = source.showLineNumbers_;
    useFontStyle_ = source.useFontStyle_;
    visible_ = source.visible_;
    width_ = source.width_;
    zeroStart_ = source.zeroStart_;
    displayedDigits_ = source.displayedDigits_;
    font_ = source.font_;
    Changed();
}

}  // namespace tips::editor
