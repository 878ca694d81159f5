#include "widgets/db_grid_cell_editor.hpp"

namespace tips::widgets {

namespace {
constexpr char kBackspace = '\b';
}

void TDBGridCellEditor::Open(std::string text, int maxLength) {
    open_ = true;
    maxLength_ = maxLength < 0 ? 0 : maxLength;
    text_ = std::move(text);
    modified_ = false;
    allSelected_ = true;
}

void TDBGridCellEditor::Close() {
    open_ = false;
    modified_ = false;
    allSelected_ = false;
}

void TDBGridCellEditor::Reset(std::string text) {
    text_ = std::move(text);
    modified_ = false;
    allSelected_ = true;
}

bool TDBGridCellEditor::Change(std::string_view text) {
    if (maxLength_ > 0 && text.size() > static_cast<std::size_t>(maxLength_)) text = text.substr(0, static_cast<std::size_t>(maxLength_));
    allSelected_ = false;
    if (text == text_) return false;
    text_ = std::string(text);
    modified_ = true;
    return true;
}

std::string TDBGridCellEditor::Typed(char c) const {
    if (c == kBackspace) {
        if (allSelected_ || text_.empty()) return {};
        return text_.substr(0, text_.size() - 1);
    }
    if (allSelected_) return std::string(1, c);
    if (maxLength_ > 0 && text_.size() >= static_cast<std::size_t>(maxLength_)) return text_;
    return text_ + c;
}

}  // namespace tips::widgets
