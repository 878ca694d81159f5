// The editor's side of its highlighter: attaching it, the word characters it defines, the font
// styles it uses for the cell, the per-line ranges kept in the line buffer, and which columns of a
// line lie in comments or strings. The per-line ranges are kept by highlighter_ranges.

#include "editor/custom_code_edit.hpp"
#include "editor/highlighter_ranges.hpp"
#include "highlight/custom_highlighter.hpp"

namespace tips::editor {

namespace {

highlight::TCharSet DefaultIdentifierChars() {
    highlight::TCharSet chars;
    for (int c = 0x21; c <= 0xFF; ++c) chars.set(static_cast<std::size_t>(c));
    for (const unsigned char c : std::string_view("!\"'()*+,-./:;=?[\\]^{|}")) chars.reset(c);
    return chars;
}

}  // namespace

void TCustomCodeEdit::SetHighlighter(highlight::TCodeCustomHighlighter* highlighter) {
    if (highlighter == highlighter_) return;
    const auto listener = highlight::TCodeNotifyEvent::Bind<&TCustomCodeEdit::HighlighterChanged>(*this);
    const auto destroyed = highlight::TCodeNotifyEvent::Bind<&TCustomCodeEdit::HighlighterDestroyed>(*this);
    if (highlighter_ != nullptr) {
        highlighter_->RemoveAttributeListener(listener);
        highlighter_->RemoveFreeNotification(destroyed);
    }
    highlighter_ = highlighter;
    if (highlighter_ != nullptr) {
        highlighter_->AddAttributeListener(listener);
        highlighter_->AddFreeNotification(destroyed);
    }
    RefreshIdentChars();
    MeasureCell();
    if (highlighter_ != nullptr) RecomputeAllRanges(*highlighter_, *lines_);
    RecomputeWindowMetrics(true);
}

void TCustomCodeEdit::RefreshIdentChars() {
    identChars_ = highlighter_ != nullptr ? highlighter_->IdentifierChars() & ~highlighter_->WordDelimiters()
                                          : DefaultIdentifierChars();
}

void TCustomCodeEdit::HighlighterChanged(highlight::TCodeCustomHighlighter&) {
    MeasureCell();
    RecomputeWindowMetrics(true);
    RepaintAll();
}

void TCustomCodeEdit::HighlighterDestroyed(highlight::TCodeCustomHighlighter& sender) {
    if (&sender != highlighter_) return;
    // Only the pointer goes: the highlighter is half torn down and must not be called, not even
    // to unregister. The ranges stored in the lines stay until another highlighter recomputes them.
    highlighter_ = nullptr;
    RefreshIdentChars();
    MeasureCell();
    RecomputeWindowMetrics(true);  // repaints everything, now without colours
}

bool TCustomCodeEdit::IsIdentChar(unsigned char c) const { return identChars_.test(c); }

platform::TFontStyles TCustomCodeEdit::UsedFontStyles() const {
    if (highlighter_ == nullptr) return font_.Description.Style;
    platform::TFontStyles styles;
    for (int i = 0; i < highlighter_->AttributeCount(); ++i) {
        if (const auto* attribute = highlighter_->AttributeAt(i)) styles = styles | attribute->Style();
    }
    return styles;
}

std::vector<bool> TCustomCodeEdit::IgnoredColumns(int y) const {
    if (highlighter_ == nullptr || y < 1 || y > lines_->Count()) return {};
    const auto* comment = highlighter_->StandardAttribute(highlight::StandardAttributeKind::Comment);
    const auto* string = highlighter_->StandardAttribute(highlight::StandardAttributeKind::String);
    const std::string& line = LineText(y);
    std::vector<bool> ignored(line.size(), false);
    highlighter_->RestoreRange(lines_->LineRange(y - 1));
    highlighter_->BeginLine(line, y - 1);
    while (!highlighter_->AtLineEnd()) {
        const auto* attribute = highlighter_->TokenAttributes();
        if (attribute != nullptr && (attribute == comment || attribute == string)) {
            const auto start = static_cast<std::size_t>(highlighter_->TokenStart());
            const std::size_t end = std::min(line.size(), start + highlighter_->TokenText().size());
            for (std::size_t i = start; i < end; ++i) ignored[i] = true;
        }
        highlighter_->NextToken();
    }
    return ignored;
}

}  // namespace tips::editor
