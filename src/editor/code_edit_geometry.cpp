// Coordinates, the character cell and window metrics, the first visible line and column, caret
// placement and making it visible, scroll bars, scroll and wheel messages, and the caret shape.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/custom_code_edit.hpp"

namespace tips::editor {

namespace {

// Multiplies then divides, rounding half away from zero.
int MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) return 0;
    return static_cast<int>(std::llround(static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c)));
}

}  // namespace

// --- coordinates ---

int TCustomCodeEdit::CharToDisplayColumn(int y, int x) const {
    if (y < 1 || y - 1 >= lines_->Count()) return x;
    const std::string& line = LineText(y);
    const int inLine = std::min(x - 1, static_cast<int>(line.size()));
    int cells = 0;
    for (int i = 0; i < inLine; ++i) {
        cells += line[static_cast<std::size_t>(i)] == '\t' ? tabWidth_ - cells % tabWidth_ : 1;
    }
    if (x - 1 > inLine) cells += x - 1 - inLine;
    return cells + 1;
}

int TCustomCodeEdit::DisplayToCharColumn(int y, int displayColumn) const {
    if (y > lines_->Count()) return displayColumn;
    const std::string& line = LineText(y);
    const int length = static_cast<int>(line.size());
    int i = 0;
    int cells = 0;
    while (cells < displayColumn) {
        if (i >= length) return i + (displayColumn - cells);  // one cell per position past the end
        ++i;
        cells += line[static_cast<std::size_t>(i - 1)] == '\t' ? tabWidth_ - cells % tabWidth_ : 1;
    }
    return i;
}

TPoint TCustomCodeEdit::PixelToTextPoint(int x, int y) const {
    if (textColumnWidth_ == 0 || textRowHeight_ == 0) return CaretPoint();
    const double cells = static_cast<double>(x - gutterExtent_ - 2) / textColumnWidth_;
    const int displayColumn = firstVisibleColumn_ + static_cast<int>(std::round(cells));
    if (y >= visibleLines_ * textRowHeight_) y = std::max(visibleLines_ * textRowHeight_ - 1, 0);
    const int line = y / textRowHeight_ + firstVisibleLine_;
    return {DisplayToCharColumn(line, displayColumn), line};
}

TPoint TCustomCodeEdit::TextPointToPixel(TPoint point) const {
    return {(CharToDisplayColumn(point.Y, point.X) - 1) * textColumnWidth_ + textOriginX_,
            (point.Y - firstVisibleLine_) * textRowHeight_};
}

TCustomCodeEdit::TCursorKind TCustomCodeEdit::CursorAt(int x, int y) const {
    if (x < gutterExtent_) return TCursorKind::Gutter;
    if (Has(eoDragDropEditing) && textColumnWidth_ > 0 && textRowHeight_ > 0) {
        // The cell under the point, not the nearest boundary; a cell of a tab stands for the tab.
        const int cell = (x + firstVisibleColumn_ * textColumnWidth_ - gutterExtent_ - 2) / textColumnWidth_;
        const int line = y / textRowHeight_ + firstVisibleLine_;
        if (SelectionContains({DisplayToCharColumn(line, cell), line})) return TCursorKind::Arrow;
    }
    return TCursorKind::Control;
}

// --- metrics ---

void TCustomCodeEdit::MeasureCell() {
    if (metrics_ == nullptr) return;
    const platform::TFontStyles styles = UsedFontStyles();
    const platform::TFontStyles italic = styles.Contains(platform::fsItalic) ? platform::fsItalic : platform::TFontStyles{};
    const platform::TFontStyles bold = styles.Contains(platform::fsBold) ? platform::fsBold : platform::TFontStyles{};
    textRowHeight_ = metrics_->CharacterCell(italic).Height + extraLineSpacing_;
    textColumnWidth_ = metrics_->CharacterCell(bold).Width;
    textOriginX_ = gutterExtent_ + 2 - (firstVisibleColumn_ - 1) * textColumnWidth_;
}

void TCustomCodeEdit::RecomputeWindowMetrics(bool fontChanged) {
    if (!WindowExists() || textColumnWidth_ == 0 || textRowHeight_ <= 0) return;
    const auto client = metrics_->ClientSize();
    visibleColumns_ = std::max(0, (client.Width - gutterExtent_ - 2) / textColumnWidth_);
    visibleLines_ = std::max(0, client.Height / textRowHeight_);
    if (fontChanged && gutter_.ShowLineNumbers()) ApplyGutterChange();  // the numbers' width follows the cell
    RefreshScrollBars();
    if (fontChanged) {
        CreateCaretShape();
        caretChanged_ = false;
        RepaintAll();
    }
    scrollBarsChanged_ = false;
    if (!Has(eoScrollPastEol)) SetFirstVisibleColumn(firstVisibleColumn_);
    if (!Has(eoScrollPastEof)) SetFirstVisibleLine(firstVisibleLine_);
}

void TCustomCodeEdit::ApplyGutterChange() {
    if (gutter_.ShowLineNumbers() && gutter_.AutoSize()) gutter_.FitDigitCount(lines_->Count());
    const int width = gutter_.ComputedWidth(textColumnWidth_);
    if (width == gutterExtent_) {
        RepaintGutter();
    } else {
        ChangeGutterWidth(width);
    }
}

void TCustomCodeEdit::ChangeGutterWidth(int width) {
    width = std::max(width, 0);
    if (width == gutterExtent_) return;
    gutterExtent_ = width;
    textOriginX_ = gutterExtent_ + 2 - (firstVisibleColumn_ - 1) * textColumnWidth_;
    if (WindowExists() && textColumnWidth_ > 0) {
        visibleColumns_ = std::max(0, (metrics_->ClientSize().Width - gutterExtent_ - 2) / textColumnWidth_);
        RefreshScrollBars();
        RepaintAll();
    }
}

// --- first visible line and column ---

int TCustomCodeEdit::ScrollLineUpperBound() const {
    return Has(eoScrollPastEof) ? lines_->Count() : lines_->Count() - visibleLines_ + 1;
}

void TCustomCodeEdit::SetFirstVisibleLine(int value) {
    value = std::max(std::min(value, ScrollLineUpperBound()), 1);
    if (value == firstVisibleLine_) return;
    const int old = firstVisibleLine_;
    firstVisibleLine_ = value;
    RefreshScrollBars();
    if (WindowExists()) {
        if (std::abs(old - value) < visibleLines_) {
            const auto client = metrics_->ClientSize();
            window_->ScrollPixels((old - value) * textRowHeight_, {0, 0, client.Width, client.Height});
        } else {
            RepaintAll();
        }
    }
    NoteStatusChange(snFirstLine);
}

void TCustomCodeEdit::SetFirstVisibleColumn(int value) {
    const int upper = Has(eoScrollPastEol) ? maxLeftChar_ : lines_->LongestLineLength();
    value = std::max(std::min(value, upper - visibleColumns_ + 1), 1);
    if (value == firstVisibleColumn_) return;
    firstVisibleColumn_ = value;
    textOriginX_ = gutterExtent_ + 2 - (firstVisibleColumn_ - 1) * textColumnWidth_;
    RefreshScrollBars();
    RepaintTextLines(-1, -1);
    NoteStatusChange(snFirstColumn);
}

// --- caret ---

void TCustomCodeEdit::SetCaretPointEx(bool makeVisible, TPoint point) {
    int bound = maxLeftChar_;
    int y = std::min(point.Y, lines_->Count());
    if (y < 1) {
        y = 1;
        if (!Has(eoScrollPastEol)) bound = 1;
    } else if (!Has(eoScrollPastEol)) {
        bound = static_cast<int>(LineText(y).size()) + 1;
    }
    const int x = std::max(std::min(point.X, bound), 1);
    if (x == caretX_ && y == caretY_) {
        preferredColumn_ = CharToDisplayColumn(caretY_, caretX_);
        return;
    }
    TDeferral deferral(*this);
    if (x != caretX_) {
        caretX_ = x;
        NoteStatusChange(snCaretColumn);
    }
    if (y != caretY_) {
        caretY_ = y;
        NoteStatusChange(snCaretLine);
    }
    preferredColumn_ = CharToDisplayColumn(caretY_, caretX_);
    if (makeVisible) ScrollToCaret();
    caretChanged_ = true;
    scrollBarsChanged_ = true;
}

void TCustomCodeEdit::ScrollToCaretEx(bool forceToMiddle) {
    TDeferral deferral(*this);
    const int p = CharToDisplayColumn(caretY_, caretX_);
    if (p < firstVisibleColumn_) {
        SetFirstVisibleColumn(p);
    } else if (p > firstVisibleColumn_ + visibleColumns_) {
        SetFirstVisibleColumn(p - visibleColumns_ + 1);
    } else {
        SetFirstVisibleColumn(firstVisibleColumn_);
    }
    if (!forceToMiddle) {
        if (caretY_ < firstVisibleLine_) {
            SetFirstVisibleLine(caretY_);
        } else if (caretY_ > firstVisibleLine_ + std::max(1, visibleLines_) - 1) {
            SetFirstVisibleLine(caretY_ - (visibleLines_ - 1));
        } else {
            SetFirstVisibleLine(firstVisibleLine_);
        }
        return;
    }
    const int half = visibleLines_ / 2;
    // A caret anywhere above the window is centred; one line above it would otherwise stay out of view.
    if (caretY_ < firstVisibleLine_) {
        SetFirstVisibleLine(caretY_ - half < 0 ? 1 : caretY_ - half + 1);
    } else if (caretY_ > firstVisibleLine_ + visibleLines_ - 2) {
        SetFirstVisibleLine(caretY_ - (visibleLines_ - 1) + half);
    }
}

TCustomCodeEdit::CaretShape TCustomCodeEdit::CurrentCaretShape() const {
    const TCodeEditCaretType type = insertMode_ ? insertCaret_ : overwriteCaret_;
    switch (type) {
        case TCodeEditCaretType::ctHorizontalLine:
            return {textColumnWidth_, 2, 0, textRowHeight_ - 2};
        case TCodeEditCaretType::ctHalfBlock: {
            const int height = (textRowHeight_ - 2) / 2;
            return {textColumnWidth_, height, 0, height};
        }
        case TCodeEditCaretType::ctBlock:
            return {textColumnWidth_, textRowHeight_ - 2, 0, 0};
        case TCodeEditCaretType::ctVerticalLine:
            break;
    }
    return {2, textRowHeight_ - 2, -1, 0};
}

void TCustomCodeEdit::CreateCaretShape() {
    caretShape_ = CurrentCaretShape();
    caretShown_ = false;
    if (Focused()) {
        window_->CreateCaret(caretShape_.Width, caretShape_.Height);
        PlaceCaret();
    }
}

void TCustomCodeEdit::PlaceCaret() {
    if (deferCount_ > 0 || !Focused()) {
        caretChanged_ = true;
        return;
    }
    caretChanged_ = false;
    const TPoint pixel = TextPointToPixel(CaretPoint());
    const int x = pixel.X + caretShape_.OffsetX;
    const int y = pixel.Y + caretShape_.OffsetY + 1;
    const auto client = metrics_->ClientSize();
    if (x < gutterExtent_ || x >= client.Width || y < 0 || y >= client.Height) {
        window_->HideCaret();
        caretShown_ = false;
        window_->MoveCaret(x, y);
    } else {
        window_->MoveCaret(x, y);
        if (!Has(eoNoCaret) && !caretShown_) {
            window_->ShowCaret();
            caretShown_ = true;
        }
    }
    window_->PlaceComposition(x, y);
}

// --- scroll bars ---

void TCustomCodeEdit::RefreshScrollBars() {
    if (!WindowExists() || deferCount_ > 0) {
        scrollBarsChanged_ = true;
        return;
    }
    scrollBarsChanged_ = false;
    if (scrollBars_ == TScrollStyle::ssNone) return;
    const bool hideShow = Has(eoHideShowScrollbars);
    const bool disableArrows = Has(eoDisableScrollArrows);
    using platform::TScrollArrows;
    using platform::TScrollBarKind;

    if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) {
        platform::TViewScrollInfo info;
        info.Min = 1;
        info.Max = Has(eoScrollPastEol) ? maxLeftChar_ : std::max(lines_->LongestLineLength(), 1);
        info.Page = visibleColumns_;
        info.Position = firstVisibleColumn_;
        info.HideWhenUnneeded = hideShow;
        if (hideShow && info.Max == info.Min) {
            info.Max += 1;
            info.Position = info.Min;
        }
        window_->SetScrollInfo(TScrollBarKind::Horizontal, info);
        const int extra = disableArrows ? firstVisibleColumn_ : 0;
        TScrollArrows arrows = TScrollArrows::EnableBoth;
        if (!disableArrows && visibleColumns_ < info.Max) {
            arrows = TScrollArrows::EnableBoth;
        } else if (firstVisibleColumn_ <= 1 && visibleColumns_ + extra >= info.Max) {
            arrows = TScrollArrows::DisableBoth;
        } else if (firstVisibleColumn_ <= 1) {
            arrows = TScrollArrows::DisableFirst;
        } else if (visibleColumns_ + extra > info.Max) {
            arrows = TScrollArrows::DisableLast;
        }
        window_->EnableScrollArrows(TScrollBarKind::Horizontal, arrows);
    }

    if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) {
        const int count = lines_->Count();
        window_->SetScrollInfo(TScrollBarKind::Vertical, VerticalScrollInfo());
        TScrollArrows arrows = TScrollArrows::EnableBoth;
        if (!disableArrows && count > visibleLines_) {
            arrows = TScrollArrows::EnableBoth;
        } else if (firstVisibleLine_ <= 1 && count <= visibleLines_) {
            arrows = TScrollArrows::DisableBoth;
        } else if (firstVisibleLine_ <= 1) {
            arrows = TScrollArrows::DisableFirst;
        } else if (count - firstVisibleLine_ - visibleLines_ + 1 == 0) {
            arrows = TScrollArrows::DisableLast;
        }
        window_->EnableScrollArrows(TScrollBarKind::Vertical, arrows);
    }
}

platform::TViewScrollInfo TCustomCodeEdit::VerticalScrollInfo() const {
    // Past 32767 lines the bar runs 0..32767 and stands for the lines in proportion.
    const int n = lines_->Count() + (Has(eoScrollPastEof) ? visibleLines_ - 1 : 0);
    platform::TViewScrollInfo info;
    info.HideWhenUnneeded = Has(eoHideShowScrollbars);
    if (n <= kScrollBarLimit) {
        info.Min = 1;
        info.Max = std::max(1, n);
        info.Page = visibleLines_;
        info.Position = firstVisibleLine_;
    } else {
        info.Min = 0;
        info.Max = kScrollBarLimit;
        info.Page = MulDivRounded(kScrollBarLimit, visibleLines_, n);
        info.Position = MulDivRounded(kScrollBarLimit, firstVisibleLine_, n);
    }
    if (info.HideWhenUnneeded && info.Max == info.Min) {
        info.Max += 1;
        info.Position = info.Min;
    }
    return info;
}

// --- scroll and wheel messages ---

void TCustomCodeEdit::ShowScrollHint(int thumbPosition) {
    if (!Has(eoShowScrollHint) || !WindowExists()) return;
    const std::string text = "Top Line: " + std::to_string(firstVisibleLine_);
    const platform::TViewSize hint = window_->HintSize(text, kScrollHintMaxWidth);
    const platform::TViewSize client = metrics_->ClientSize();
    const int x = client.Width - hint.Width - 4;
    int y = 10;
    if (Has(eoScrollHintFollows)) {
        // Level with the thumb: the track lies between the two arrow buttons.
        const int arrow = window_->VerticalScrollArrowHeight();
        const int maximum = VerticalScrollInfo().Max;
        y = arrow + MulDivRounded(client.Height - 2 * arrow, thumbPosition, maximum) + hint.Height / 2;
    }
    window_->ShowHint(text, x, y);
}

void TCustomCodeEdit::VerticalScroll(int request, int thumbPosition) {
    const int page = visibleLines_ - (Has(eoScrollByOneLess) ? 1 : 0);
    switch (request) {
        case sbLineUp: SetFirstVisibleLine(firstVisibleLine_ - 1); break;
        case sbLineDown: SetFirstVisibleLine(firstVisibleLine_ + 1); break;
        case sbPageUp: SetFirstVisibleLine(firstVisibleLine_ - page); break;
        case sbPageDown: SetFirstVisibleLine(firstVisibleLine_ + page); break;
        case sbTop: SetFirstVisibleLine(1); break;
        case sbBottom: SetFirstVisibleLine(lines_->Count()); break;
        case sbThumbTrack:
        case sbThumbPosition:
            if (lines_->Count() > kScrollBarLimit) {
                SetFirstVisibleLine(MulDivRounded(lines_->Count() + visibleLines_ - 1, thumbPosition, kScrollBarLimit));
            } else {
                SetFirstVisibleLine(thumbPosition);
            }
            ShowScrollHint(thumbPosition);
            break;
        case sbEndScroll:
            if (WindowExists()) window_->HideHint();
            break;
        default: break;
    }
    if (WindowExists()) window_->UpdateNow();
}

void TCustomCodeEdit::HorizontalScroll(int request, int thumbPosition) {
    const int page = visibleColumns_ - (Has(eoScrollByOneLess) ? 1 : 0);
    switch (request) {
        case sbLineUp: SetFirstVisibleColumn(firstVisibleColumn_ - 1); break;
        case sbLineDown: SetFirstVisibleColumn(firstVisibleColumn_ + 1); break;
        case sbPageUp: SetFirstVisibleColumn(firstVisibleColumn_ - page); break;
        case sbPageDown: SetFirstVisibleColumn(firstVisibleColumn_ + page); break;
        case sbTop: SetFirstVisibleColumn(1); break;
        case sbBottom: SetFirstVisibleColumn(maxLeftChar_); break;
        case sbThumbTrack:
        case sbThumbPosition: SetFirstVisibleColumn(thumbPosition); break;
        default: break;
    }
}

void TCustomCodeEdit::MouseWheel(int delta, bool ctrl, int systemLinesPerNotch) {
    int lines = ctrl ? (Has(eoHalfPageScroll) ? visibleLines_ / 2 : visibleLines_) : systemLinesPerNotch;
    if (lines < 0 || lines > visibleLines_) lines = visibleLines_;  // negative: the system's page setting
    wheelAccumulator_ += delta;
    const int notches = wheelAccumulator_ / 120;
    wheelAccumulator_ %= 120;
    SetFirstVisibleLine(firstVisibleLine_ - notches * lines);
    if (WindowExists()) window_->UpdateNow();
}

}  // namespace tips::editor
