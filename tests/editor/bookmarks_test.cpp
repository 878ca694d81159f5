#include "editor/bookmarks.hpp"

#include <gtest/gtest.h>

namespace tips::editor {
namespace {

class BookmarksTest : public testing::Test {
protected:
    TCodeEditMarkList marks;
    TCodeEditBookmarks bookmarks{marks};
};

TEST_F(BookmarksTest, PlacedBookmarkIsAVisibleInternalMarkNumberedLikeItsSlot) {
    bookmarks.PlaceBookmark(4, 7, 3, 10);
    const TCodeEditMark* mark = bookmarks.Bookmark(4);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->Line(), 3);
    EXPECT_EQ(mark->Char(), 7);
    EXPECT_EQ(mark->ImageIndex(), 4);
    EXPECT_EQ(mark->BookmarkNumber(), 4);
    EXPECT_TRUE(mark->IsBookmark());
    EXPECT_TRUE(mark->Visible());
    EXPECT_TRUE(mark->InternalImage());
    EXPECT_EQ(marks.Count(), 1);

    bookmarks.PlaceBookmark(4, 1, 5, 10);  // replaces the old one
    EXPECT_EQ(marks.Count(), 1);
    EXPECT_EQ(bookmarks.Bookmark(4)->Line(), 5);
}

struct PlaceCase {
    int number;
    std::int32_t line;
    std::int32_t lineCount;
    bool placed;
};

class BookmarkPlacing : public BookmarksTest, public testing::WithParamInterface<PlaceCase> {};

TEST_P(BookmarkPlacing, ChecksNumberAndLine) {
    bookmarks.PlaceBookmark(GetParam().number, 1, GetParam().line, GetParam().lineCount);
    EXPECT_EQ(marks.Count(), GetParam().placed ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, BookmarkPlacing,
                         testing::Values(PlaceCase{0, 1, 1, true}, PlaceCase{9, 3, 3, true},
                                         PlaceCase{10, 1, 5, false}, PlaceCase{-1, 1, 5, false},
                                         PlaceCase{0, 0, 5, false}, PlaceCase{0, 4, 3, false},
                                         PlaceCase{0, 1, 0, true},  // an empty text still has line 1
                                         PlaceCase{0, 2, 0, false}));

TEST_F(BookmarksTest, SetMarkerTogglesOnTheSameLineAndMovesOnAnother) {
    bookmarks.SetMarkerCommand(4, TPoint{3, 6}, 20);
    ASSERT_NE(bookmarks.Bookmark(4), nullptr);
    EXPECT_EQ(bookmarks.Bookmark(4)->Line(), 6);

    bookmarks.SetMarkerCommand(4, TPoint{9, 6}, 20);  // same line, other column: removed
    EXPECT_EQ(bookmarks.Bookmark(4), nullptr);
    EXPECT_EQ(marks.Count(), 0);

    bookmarks.SetMarkerCommand(4, TPoint{1, 6}, 20);
    bookmarks.SetMarkerCommand(4, TPoint{2, 11}, 20);  // another line: moved
    ASSERT_NE(bookmarks.Bookmark(4), nullptr);
    EXPECT_EQ(bookmarks.Bookmark(4)->Line(), 11);
    EXPECT_EQ(bookmarks.Bookmark(4)->Char(), 2);
    EXPECT_EQ(marks.Count(), 1);
}

TEST_F(BookmarksTest, JumpsOnlyToExistingLinesAndKeepsTheStoredColumn) {
    EXPECT_FALSE(bookmarks.JumpTarget(2, 10));  // empty slot
    bookmarks.PlaceBookmark(2, 30, 8, 10);
    EXPECT_EQ(bookmarks.JumpTarget(2, 10), (TPoint{30, 8}));
    marks.LinesInserted(1, 2);
    EXPECT_EQ(bookmarks.JumpTarget(2, 12), (TPoint{30, 10}));
    EXPECT_FALSE(bookmarks.JumpTarget(2, 9));  // its line no longer exists
    EXPECT_FALSE(bookmarks.JumpTarget(10, 12));
}

TEST_F(BookmarksTest, MarkerCommandsDoNothingWithoutEnableKeys) {
    bookmarks.PlaceBookmark(1, 1, 2, 5);
    bookmarks.Options().SetEnableKeys(false);
    bookmarks.SetMarkerCommand(1, TPoint{1, 2}, 5);
    bookmarks.SetMarkerCommand(3, TPoint{1, 4}, 5);
    EXPECT_NE(bookmarks.Bookmark(1), nullptr);
    EXPECT_EQ(bookmarks.Bookmark(3), nullptr);
    EXPECT_FALSE(bookmarks.GotoMarkerCommand(1, 5));
    bookmarks.Options().SetEnableKeys(true);
    EXPECT_EQ(bookmarks.GotoMarkerCommand(1, 5), (TPoint{1, 2}));
}

TEST_F(BookmarksTest, PlaceHandlerMayChangeOrRefuseTheBookmark) {
    bookmarks.SetOnPlaceBookmark([](std::unique_ptr<TCodeEditMark>& mark) { mark->SetImageIndex(42); });
    bookmarks.PlaceBookmark(0, 1, 1, 3);
    EXPECT_EQ(bookmarks.Bookmark(0)->ImageIndex(), 42);

    bookmarks.SetOnPlaceBookmark([](std::unique_ptr<TCodeEditMark>& mark) { mark.reset(); });
    bookmarks.PlaceBookmark(0, 1, 2, 3);  // refused: the old bookmark stays
    ASSERT_NE(bookmarks.Bookmark(0), nullptr);
    EXPECT_EQ(bookmarks.Bookmark(0)->Line(), 1);
}

TEST_F(BookmarksTest, SlotsEmptyWhenTheirMarksLeaveTheList) {
    bookmarks.PlaceBookmark(0, 1, 1, 3);
    bookmarks.PlaceBookmark(5, 1, 2, 3);
    marks.Remove(bookmarks.Bookmark(5));
    EXPECT_EQ(bookmarks.Bookmark(5), nullptr);
    EXPECT_NE(bookmarks.Bookmark(0), nullptr);
    marks.Clear();  // clear-all
    EXPECT_EQ(bookmarks.Bookmark(0), nullptr);
    EXPECT_FALSE(bookmarks.JumpTarget(0, 3));
    bookmarks.RemoveBookmark(0);  // nothing left to remove
}

TEST(BookMarkOpt, ChangesOtherThanEnableKeysNotify) {
    TCodeBookMarkOpt options;
    int changes = 0;
    options.SetOnChange([&] { ++changes; });
    EXPECT_TRUE(options.DrawBookmarksFirst());
    EXPECT_TRUE(options.EnableKeys());
    EXPECT_TRUE(options.GlyphsVisible());
    EXPECT_EQ(options.LeftMargin(), 2);
    EXPECT_EQ(options.Xoffset(), 12);
    EXPECT_EQ(options.BookmarkImages(), nullptr);
    options.SetEnableKeys(false);
    EXPECT_EQ(changes, 0);
    options.SetXoffset(12);  // unchanged
    EXPECT_EQ(changes, 0);
    options.SetXoffset(16);
    options.SetLeftMargin(0);
    options.SetGlyphsVisible(false);
    options.SetDrawBookmarksFirst(false);
    EXPECT_EQ(changes, 4);

    TCodeBookMarkOpt copy;
    int copyChanges = 0;
    copy.SetOnChange([&] { ++copyChanges; });
    copy.Assign(options);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_FALSE(copy.EnableKeys());
    EXPECT_EQ(copy.Xoffset(), 16);
    EXPECT_FALSE(copy.DrawBookmarksFirst());
}

}  // namespace
}  // namespace tips::editor
