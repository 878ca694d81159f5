#include "editor/text_drawer.hpp"

namespace tips::editor {

namespace {

constexpr const char* kMissingFont = "SetBaseFont: 'Value' must be specified.";

}  // namespace

TTextDrawer::TTextDrawer(platform::TFontStyles metricStyle, const platform::TFontDescription& baseFont)
    : metricStyle_(metricStyle) {
    SetBaseFont(&baseFont);
}

TTextDrawer::~TTextDrawer() {
    // A drawer left mid-paint gives the canvas its state back.
    if (canvas_ != nullptr && stateSaved_) canvas_->RestoreState();
}

void TTextDrawer::SetBaseFont(const platform::TFontDescription* font) {
    if (font == nullptr) throw ETextDrawerException(kMissingFont);
    advances_.clear();
    advances_.shrink_to_fit();
    stock_.SetBaseFont(font);
    stock_.SelectStyle(metricStyle_);
    cellWidth_ = stock_.CharAdvance();
    cellHeight_ = stock_.CharHeight();
    SelectStyle(font->Style);
}

void TTextDrawer::SetMetricStyle(platform::TFontStyles style) {
    if (style == metricStyle_) return;
    metricStyle_ = style;
    advances_.clear();
    advances_.shrink_to_fit();
    stock_.SelectStyle(style);
    cellWidth_ = stock_.CharAdvance();
    cellHeight_ = stock_.CharHeight();
}

void TTextDrawer::SelectStyle(platform::TFontStyles style) {
    stock_.SelectStyle(style);
    currentFont_ = stock_.FontHandle();
    if (canvas_ != nullptr && currentFont_ != nullptr) canvas_->SetFont(*currentFont_);
}

void TTextDrawer::ApplyColors() {
    canvas_->SetTextColor(canvas_->Resolve(textColor_));
    canvas_->SetBackColor(canvas_->Resolve(backColor_));
}

void TTextDrawer::StartOutput(platform::TCanvas& canvas) {
    if (&canvas != canvas_) {
        canvas.SaveState();
        if (canvas_ != nullptr && stateSaved_) canvas_->RestoreState();
        canvas_ = &canvas;
        stateSaved_ = true;
        if (currentFont_ != nullptr) canvas.SetFont(*currentFont_);
        ApplyColors();
        canvas.SetCharacterExtra(extraSpacing_);
    }
    ++drawingCount_;
}

void TTextDrawer::FinishOutput() {
    --drawingCount_;
    if (drawingCount_ > 0) return;
    if (canvas_ != nullptr && stateSaved_) canvas_->RestoreState();
    canvas_ = nullptr;
    stateSaved_ = false;
    drawingCount_ = 0;
}

void TTextDrawer::DrawPlain(int x, int y, std::string_view text) {
    if (canvas_ == nullptr || text.empty()) return;
    canvas_->WriteText({x, y}, text);
}

void TTextDrawer::DrawCells(int x, int y, const platform::TTextBox& box, std::string_view text) {
    if (canvas_ == nullptr) return;
    const std::size_t n = text.size();
    if (advances_.size() <= n) {
        // The next multiple of the step above n (so 64 characters need 128 entries): the array grows
        // in steps and is reused.
        const std::size_t size = (n / kAdvanceStep + 1) * kAdvanceStep;
        advances_.resize(size, CellWidth());
    }
    canvas_->WriteText({x, y}, text, std::span<const int>(advances_.data(), n), box);
}

void TTextDrawer::ChangeTextColor(platform::TColor color) {
    if (color == textColor_) return;
    textColor_ = color;
    if (canvas_ != nullptr) canvas_->SetTextColor(canvas_->Resolve(color));
}

void TTextDrawer::ChangeBackColor(platform::TColor color) {
    if (color == backColor_) return;
    backColor_ = color;
    if (canvas_ != nullptr) canvas_->SetBackColor(canvas_->Resolve(color));
}

void TTextDrawer::SetExtraSpacing(int extra) {
    if (extra == extraSpacing_) return;
    extraSpacing_ = extra;
    advances_.clear();
    if (canvas_ != nullptr) canvas_->SetCharacterExtra(extra);
}

}  // namespace tips::editor
