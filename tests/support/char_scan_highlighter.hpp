#pragma once
// A highlighter for tests and fuzz targets: one token per character, and a state that a subclass
// moves past each character and that may run over lines. It keeps the stepping through the line in
// one place; the subclass says what a character does to its state.

#include <cstddef>
#include <string>
#include <string_view>

#include "highlight/custom_highlighter.hpp"

namespace tips::testing {

class TCharScanHighlighter : public highlight::TCodeCustomHighlighter {
public:
    void BeginLine(std::string_view text, int) override {
        text_ = text;
        pos_ = 0;
        ScanCurrent();
    }
    bool AtLineEnd() const override { return pos_ > text_.size(); }
    void NextToken() override {
        ++pos_;
        ScanCurrent();
    }
    std::string TokenText() const override { return std::string(text_.substr(pos_, 1)); }
    int TokenStart() const override { return static_cast<int>(pos_); }

protected:
    // Moves the state past `c`, the character of the token just reached.
    virtual void Scan(char c) = 0;

private:
    void ScanCurrent() {
        if (pos_ < text_.size()) Scan(text_[pos_]);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace tips::testing
