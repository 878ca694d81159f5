#pragma once
// The editor's text drawer: measures the character cell of a base font (in its metric style, so
// that text of every style lands on one grid) and writes runs of characters one cell apart in a
// chosen style and colour, on whatever canvas a paint gives it.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "editor/font_stock.hpp"
#include "platform/canvas.hpp"

namespace tips::editor {

class ETextDrawerException : public std::runtime_error {
public:
    explicit ETextDrawerException(const std::string& message) : std::runtime_error(message) {}
};

class TTextDrawer {
public:
    static constexpr int kAdvanceStep = 64;

    TTextDrawer(platform::TFontStyles metricStyle, const platform::TFontDescription& baseFont);
    TTextDrawer(const TTextDrawer&) = delete;
    TTextDrawer& operator=(const TTextDrawer&) = delete;
    ~TTextDrawer();

    int CellWidth() const { return cellWidth_ + extraSpacing_; }
    int CellHeight() const { return cellHeight_; }

    void StartOutput(platform::TCanvas& canvas);
    void FinishOutput();
    void DrawPlain(int x, int y, std::string_view text);
    // Writes `text` one cell apart; `box` is the rectangle with its opaque and clipped options.
    void DrawCells(int x, int y, const platform::TTextBox& box, std::string_view text);

    // Throws ETextDrawerException for no font, changing nothing.
    void SetBaseFont(const platform::TFontDescription* font);
    void SetBaseFont(const platform::TFontDescription& font) { SetBaseFont(&font); }
    void SetMetricStyle(platform::TFontStyles style);
    void SelectStyle(platform::TFontStyles style);
    void ChangeTextColor(platform::TColor color);
    void ChangeBackColor(platform::TColor color);
    void SetExtraSpacing(int extra);

    platform::TFontStyles MetricStyle() const { return metricStyle_; }
    platform::TColor TextColor() const { return textColor_; }
    platform::TColor BackColor() const { return backColor_; }
    const platform::TFont* CurrentFont() const { return currentFont_; }
    const TFontStock& Stock() const { return stock_; }
    // Entries of the cell advances array (its capacity in characters).
    std::span<const int> CellAdvances() const { return advances_; }
    const platform::TCanvas* DrawingCanvas() const { return canvas_; }
    int DrawingCount() const { return drawingCount_; }

private:
    void ApplyColors();

    TFontStock stock_;
    platform::TFontStyles metricStyle_;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    const platform::TFont* currentFont_ = nullptr;
    std::vector<int> advances_;
    platform::TColor textColor_ = platform::clWindowText;
    platform::TColor backColor_ = platform::clWindow;
    int extraSpacing_ = 0;
    platform::TCanvas* canvas_ = nullptr;
    bool stateSaved_ = false;
    int drawingCount_ = 0;
};

// Draws with a text drawer on a canvas for a scope (one StartOutput/FinishOutput pair).
class TTextDrawerOutput {
public:
    TTextDrawerOutput(TTextDrawer& drawer, platform::TCanvas& canvas) : drawer_(drawer) { drawer_.StartOutput(canvas); }
    ~TTextDrawerOutput() { drawer_.FinishOutput(); }
    TTextDrawerOutput(const TTextDrawerOutput&) = delete;
    TTextDrawerOutput& operator=(const TTextDrawerOutput&) = delete;

private:
    TTextDrawer& drawer_;
};

}  // namespace tips::editor
