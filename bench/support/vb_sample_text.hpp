#pragma once
// The text the painting benchmarks load: lines of about 100 columns with keywords, a number, a
// string and a comment, each line's identifier numbered so that no two lines are alike.

#include <string>

namespace tips::bench {

inline std::string PaintBenchText(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) {
        text += "    If value" + std::to_string(i) +
                " > 42 Then MsgBox \"Too big, start again\" ' the user typed more than the form allows\r\n";
    }
    return text;
}

}  // namespace tips::bench
