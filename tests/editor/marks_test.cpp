#include "editor/marks.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tips::editor {
namespace {

class MarkListTest : public testing::Test {
protected:
    MarkListTest() {
        list.SetOnChange([this] { ++changes; });
        list.SetOnRepaintRows([this](std::int32_t first, std::int32_t last) { rows.emplace_back(first, last); });
    }

    TCodeEditMark& AddMark(std::int32_t line, bool visible = true) {
        auto mark = std::make_unique<TCodeEditMark>(&list);
        mark->SetLine(line);
        mark->SetVisible(visible);
        return list.Add(std::move(mark));
    }

    TCodeEditMarkList list;
    int changes = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> rows;
};

struct LineCase {
    std::int32_t first;
    std::int32_t count;
    std::int32_t before;
    std::int32_t after;
};

class MarksFollowInsertedLines : public MarkListTest, public testing::WithParamInterface<LineCase> {};

TEST_P(MarksFollowInsertedLines, MovesMarksAtOrBelowTheInsertion) {
    auto& mark = AddMark(GetParam().before);
    list.LinesInserted(GetParam().first, GetParam().count);
    EXPECT_EQ(mark.Line(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, MarksFollowInsertedLines,
                         testing::Values(LineCase{3, 2, 10, 12}, LineCase{10, 1, 10, 11}, LineCase{11, 5, 10, 10},
                                         LineCase{1, 1, 1, 2}));

class MarksFollowDeletedLines : public MarkListTest, public testing::WithParamInterface<LineCase> {};

TEST_P(MarksFollowDeletedLines, MovesMarksBelowUpAndMarksOnTheRemovedLinesToTheFirst) {
    auto& mark = AddMark(GetParam().before);
    list.LinesDeleted(GetParam().first, GetParam().count);
    EXPECT_EQ(mark.Line(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, MarksFollowDeletedLines,
                         testing::Values(LineCase{8, 2, 10, 8},   // lines 8 and 9 as a line selection
                                         LineCase{8, 4, 10, 8},   // lines 8 to 11: sits on what follows
                                         LineCase{8, 4, 12, 8},   // first line after the block
                                         LineCase{8, 4, 13, 9},
                                         LineCase{8, 2, 8, 8},    // the first line itself stays
                                         LineCase{8, 2, 7, 7},    // above: untouched
                                         LineCase{9, 1, 10, 9}));  // delete line 10: caret line - 1, 1

TEST_F(MarkListTest, MarksOfALineAreTheFirstSixteenInListOrder) {
    std::vector<TCodeEditMark*> onFive;
    for (int i = 0; i < 18; ++i) {
        AddMark(i % 3 == 0 ? 4 : 5);
        if (i % 3 != 0) onFive.push_back(&list.Items(i));
    }
    ASSERT_EQ(onFive.size(), 12u);
    const auto five = list.MarksOfLine(5);
    for (std::size_t i = 0; i < five.size(); ++i) {
        EXPECT_EQ(five[i], i < onFive.size() ? onFive[i] : nullptr) << i;
    }
    for (int i = 0; i < 20; ++i) AddMark(7, false);  // invisible marks count too
    const auto seven = list.MarksOfLine(7);
    EXPECT_EQ(seven.back(), &list.Items(18 + 15));
    EXPECT_EQ(list.MarksOfLine(6)[0], nullptr);
}

TEST_F(MarkListTest, VisibleMarksInTheListRepaintTheirRows) {
    auto& mark = AddMark(3);
    rows.clear();
    mark.SetLine(6);
    EXPECT_EQ(rows, (std::vector<std::pair<std::int32_t, std::int32_t>>{{3, 3}, {6, 6}}));
    rows.clear();
    mark.SetLine(6);  // unchanged: nothing
    mark.SetImageIndex(4);
    mark.SetInternalImage(true);
    EXPECT_EQ(rows.size(), 2u);
    rows.clear();
    mark.SetVisible(false);  // the glyph goes away
    EXPECT_EQ(rows.size(), 1u);
    rows.clear();
    mark.SetLine(2);
    mark.SetImageIndex(5);
    EXPECT_TRUE(rows.empty());  // invisible marks repaint nothing
}

TEST_F(MarkListTest, MarksOutsideTheListHaveNoOwnerAndRepaintNothing) {
    TCodeEditMark loose(&list);
    loose.SetVisible(true);
    loose.SetLine(4);
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(loose.Owner(), nullptr);

    auto& mark = AddMark(2);
    EXPECT_EQ(mark.Owner(), &list);
    EXPECT_EQ(changes, 1);
    auto removed = list.Remove(&mark);
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(removed->Owner(), nullptr);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Remove(removed.get()), nullptr);  // not held: nothing, no change
    EXPECT_EQ(changes, 2);
}

TEST_F(MarkListTest, ClearTellsAboutEveryMarkAndEmptiesTheList) {
    int removing = 0;
    list.SetOnRemoving([&](const TCodeEditMark&) { ++removing; });
    AddMark(1);
    AddMark(2);
    list.Clear();
    EXPECT_EQ(removing, 2);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace tips::editor
