#pragma once
// The fonts one drawing pass selects into a canvas, made once each by the canvas's factory and kept
// until the pass ends. Declare it before the TSavedCanvasState of the pass, so the canvas has its
// old font back before these go.

#include <memory>
#include <vector>

#include "platform/canvas.hpp"

namespace tips::print {

class TCanvasFonts {
public:
    explicit TCanvasFonts(platform::TCanvas& canvas) : canvas_(canvas) {}

    // Selects the font of `description` into the canvas.
    void Select(const platform::TFontDescription& description) { canvas_.SetFont(Get(description)); }

private:
    const platform::TFont& Get(const platform::TFontDescription& description) {
        for (const auto& font : fonts_) {
            if (font->Description() == description) return *font;
        }
        fonts_.push_back(canvas_.Fonts().MakeFont(description));
        return *fonts_.back();
    }

    platform::TCanvas& canvas_;
    std::vector<std::unique_ptr<platform::TFont>> fonts_;
};

}  // namespace tips::print
