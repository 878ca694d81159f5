#pragma once
// The editor's ten numbered bookmarks: placing, toggling from the set-marker commands and the
// targets of jumps. Bookmarks are marks of the editor's mark list; the editor moves the caret.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "editor/editor_types.hpp"
#include "editor/marks.hpp"

#include "platform/image_list.hpp"

namespace tips::editor {

inline constexpr int kBookmarkCount = 10;

// The published bookmark options. Changing anything but EnableKeys fires OnChange. The options
// watch their image list: when it is destroyed they drop it (and fire OnChange).
class TCodeBookMarkOpt : private platform::TImageListObserver {
public:
    TCodeBookMarkOpt() = default;
    TCodeBookMarkOpt(const TCodeBookMarkOpt&) = delete;
    TCodeBookMarkOpt& operator=(const TCodeBookMarkOpt&) = delete;
    ~TCodeBookMarkOpt();

    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    const platform::TImageList* BookmarkImages() const { return bookmarkImages_; }
    void SetBookmarkImages(const platform::TImageList* images);
    bool DrawBookmarksFirst() const { return drawBookmarksFirst_; }
    void SetDrawBookmarksFirst(bool value);
    bool EnableKeys() const { return enableKeys_; }
    void SetEnableKeys(bool value) { enableKeys_ = value; }
    bool GlyphsVisible() const { return glyphsVisible_; }
    void SetGlyphsVisible(bool value);
    std::int32_t LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(std::int32_t value);
    std::int32_t Xoffset() const { return xoffset_; }
    void SetXoffset(std::int32_t value);

    // Copies the six values and fires OnChange.
    void Assign(const TCodeBookMarkOpt& other);

private:
    template <typename T>
    void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed() const {
        if (onChange_) onChange_();
    }

    void ImageListDestroyed(const platform::TImageList& list) override;
    void Watch(const platform::TImageList* images);

    const platform::TImageList* bookmarkImages_ = nullptr;
    bool drawBookmarksFirst_ = true;
    bool enableKeys_ = true;
    bool glyphsVisible_ = true;
    std::int32_t leftMargin_ = 2;
    std::int32_t xoffset_ = 12;
    std::function<void()> onChange_;
};

class TCodeEditBookmarks {
public:
    // Called with a new bookmark before it is stored; the handler may change it or reset it,
    // and then nothing is placed.
    using PlaceHandler = std::function<void(std::unique_ptr<TCodeEditMark>& mark)>;

    explicit TCodeEditBookmarks(TCodeEditMarkList& marks);
    TCodeEditBookmarks(const TCodeEditBookmarks&) = delete;
    TCodeEditBookmarks& operator=(const TCodeEditBookmarks&) = delete;

    TCodeBookMarkOpt& Options() { return options_; }
    const TCodeBookMarkOpt& Options() const { return options_; }
    void SetOnPlaceBookmark(PlaceHandler handler) { onPlace_ = std::move(handler); }

    // The mark in slot n, or null.
    TCodeEditMark* Bookmark(int n) const;

    // Places bookmark n (replacing the old one) unless n is outside 0..9 or the line is outside
    // 1..max(1, lineCount).
    void PlaceBookmark(int n, std::int32_t column, std::int32_t line, std::int32_t lineCount);
    void RemoveBookmark(int n);

    // Where a jump to bookmark n puts the caret; nothing for an empty slot or a mark whose
    // line no longer exists.
    std::optional<TPoint> JumpTarget(int n, std::int32_t lineCount) const;

    // The set-marker command: sets bookmark n at the position, or removes it when it already
    // sits on the position's line. Nothing while EnableKeys is off.
    void SetMarkerCommand(int n, TPoint position, std::int32_t lineCount);
    // The goto-marker command's target; nothing while EnableKeys is off.
    std::optional<TPoint> GotoMarkerCommand(int n, std::int32_t lineCount) const;

private:
    static bool ValidNumber(int n) { return n >= 0 && n < kBookmarkCount; }

    TCodeEditMarkList& marks_;
    std::array<TCodeEditMark*, kBookmarkCount> slots_{};
    TCodeBookMarkOpt options_;
    PlaceHandler onPlace_;
};

}  // namespace tips::editor
