#pragma once
// The state of a data grid's cell editor: whether it is open, the text it holds, whether that text was
// changed since it was loaded from the field, and how many characters it accepts (the field's size;
// 0 for no limit). The window shows a real edit box; this object is what the grid decides with.

#include <string>
#include <string_view>

namespace tips::widgets {

class TDBGridCellEditor {
public:
    bool IsOpen() const { return open_; }
    const std::string& Text() const { return text_; }
    bool Modified() const { return modified_; }
    int MaxLength() const { return maxLength_; }
    // The whole text is selected, so that the next typed character replaces it.
    bool AllSelected() const { return allSelected_; }

    // Opens on a field's text, unmodified, all of it selected.
    void Open(std::string text, int maxLength);
    void Close();
    // Reloads the field's text: the typing is undone.
    void Reset(std::string text);
    // The text after an edit, cut to the length limit; answers whether it differs from the text before.
    bool Change(std::string_view text);
    // The text the edit box would hold after typing `c` (Backspace removes the last character).
    std::string Typed(char c) const;
    // The text was written into the field.
    void Written() { modified_ = false; }

private:
    bool open_ = false;
    std::string text_;
    bool modified_ = false;
    int maxLength_ = 0;
    bool allSelected_ = false;
};

}  // namespace tips::widgets
