#pragma once
// A fresh editor in an in-memory window of 8 x 16 pixel cells, 80 x 25 cells of text beside the
// default 30-pixel gutter, focused, without a highlighter.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "editor/custom_code_edit.hpp"
#include "platform/memory_view_port.hpp"

namespace tips::editor::testing {

inline constexpr int kGutter = 30;

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture() : view_({kGutter + 2 + 80 * 8, 25 * 16}, {8, 16}) {
        editor_.AttachView(&view_, &view_);
        editor_.OnStatusChange = [this](TCustomCodeEdit&, TCodeStatusChanges changes) {
            reported_ = static_cast<TCodeStatusChanges>(reported_ | changes);
        };
    }

    // Loads text as the data binding does: stream load, undo cleared, Modified cleared.
    void Load(const std::string& text) {
        std::istringstream stream(text);
        editor_.Lines().LoadFromStream(stream);
        editor_.ClearUndo();
        editor_.SetModified(false);
        reported_ = 0;
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (int i = 0; i < editor_.LineCount(); ++i) lines.push_back(editor_.Lines().Get(i));
        return lines;
    }

    void Type(const std::string& text) {
        for (const char c : text) editor_.KeyPress(c);
    }

    void Run(TCodeEditorCommand command) { editor_.RunCommand(command, 0, {}); }

    platform::TMemoryViewPort view_;
    TCustomCodeEdit editor_;
    TCodeStatusChanges reported_ = 0;
};

}  // namespace tips::editor::testing
