#pragma once
// Marks: line positions the editor keeps in step with edits and shows as glyphs in the gutter.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tips::editor {

class TCodeEditMarkList;

inline constexpr int kMaxMarksPerLine = 16;

class TCodeEditMark {
public:
    // A mark made for `owner`; it belongs to a list once the list holds it.
    explicit TCodeEditMark(TCodeEditMarkList* owner = nullptr) : owner_(owner) {}
    TCodeEditMark(const TCodeEditMark&) = delete;
    TCodeEditMark& operator=(const TCodeEditMark&) = delete;

    std::int32_t Line() const { return line_; }
    void SetLine(std::int32_t line);
    // Logical column as placed; edits never change it.
    std::int32_t Char() const { return char_; }
    void SetChar(std::int32_t column) { char_ = column; }
    std::int32_t ImageIndex() const { return imageIndex_; }
    void SetImageIndex(std::int32_t imageIndex);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Drawn with the built-in digit glyphs instead of the bookmark image list.
    bool InternalImage() const { return internalImage_; }
    void SetInternalImage(bool internalImage);
    // 0..9 for a bookmark, -1 for a plain mark.
    std::int32_t BookmarkNumber() const { return bookmarkNumber_; }
    void SetBookmarkNumber(std::int32_t number) { bookmarkNumber_ = number; }
    bool IsBookmark() const { return bookmarkNumber_ >= 0; }

    // The owning list while it holds this mark; otherwise the owner is forgotten. Adding the
    // mark to a list makes that list its owner; removing it leaves it without one.
    TCodeEditMarkList* Owner();

private:
    friend class TCodeEditMarkList;
    void RepaintRows(std::int32_t first, std::int32_t last);

    std::int32_t line_ = 0;
    std::int32_t char_ = 0;
    std::int32_t imageIndex_ = 0;
    TCodeEditMarkList* owner_;
    bool visible_ = false;
    bool internalImage_ = false;
    std::int32_t bookmarkNumber_ = -1;
};

// The editor's marks in the order they were added. Destroying the list destroys its marks.
class TCodeEditMarkList {
public:
    using MarksOfLineResult = std::array<TCodeEditMark*, kMaxMarksPerLine>;

    TCodeEditMarkList() = default;
    TCodeEditMarkList(const TCodeEditMarkList&) = delete;
    TCodeEditMarkList& operator=(const TCodeEditMarkList&) = delete;

    // Whole-gutter repaint after the list changed.
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    // Repaint of gutter rows first..last after a visible mark changed.
    void SetOnRepaintRows(std::function<void(std::int32_t first, std::int32_t last)> handler) {
        onRepaintRows_ = std::move(handler);
    }
    // Told before a mark leaves the list (bookmark slots drop their reference).
    void SetOnRemoving(std::function<void(const TCodeEditMark&)> handler) { onRemoving_ = std::move(handler); }

    TCodeEditMark& Add(std::unique_ptr<TCodeEditMark> mark);
    // Takes the mark out of the list and hands it back (discarding it destroys it); null when
    // the list does not hold it.
    std::unique_ptr<TCodeEditMark> Remove(const TCodeEditMark* mark);
    void Clear();

    int Count() const { return static_cast<int>(marks_.size()); }
    TCodeEditMark& Items(int index) { return *marks_.at(static_cast<std::size_t>(index)); }
    const TCodeEditMark& Items(int index) const { return *marks_.at(static_cast<std::size_t>(index)); }
    bool Contains(const TCodeEditMark* mark) const;

    // The first 16 marks on the line in list order; the remaining entries are null.
    MarksOfLineResult MarksOfLine(std::int32_t line) const;

    // `count` lines were inserted before line `first`: marks at or below it move down.
    void LinesInserted(std::int32_t first, std::int32_t count);
    // `count` lines after line `first` were removed: marks below them move up, marks on them
    // move to `first`.
    void LinesDeleted(std::int32_t first, std::int32_t count);

private:
    friend class TCodeEditMark;
    void RepaintRows(std::int32_t first, std::int32_t last) const {
        if (onRepaintRows_) onRepaintRows_(first, last);
    }
    void Changed() const {
        if (onChange_) onChange_();
    }

    std::vector<std::unique_ptr<TCodeEditMark>> marks_;
    std::function<void()> onChange_;
    std::function<void(std::int32_t, std::int32_t)> onRepaintRows_;
    std::function<void(const TCodeEditMark&)> onRemoving_;
};

}  // namespace tips::editor
