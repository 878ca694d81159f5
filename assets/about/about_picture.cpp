#include "about_picture.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

#include "pixel_font.hpp"

namespace tips::app::about {

namespace {

constexpr Rgb kSkyTop{14, 28, 70};
constexpr Rgb kSkyBottom{36, 88, 148};
constexpr Rgb kTitle{255, 255, 255};
constexpr Rgb kTitleShadow{6, 12, 36};
constexpr Rgb kSubtitle{255, 200, 84};

constexpr Rgb kKeyword{0, 0, 160};
constexpr Rgb kComment{0, 128, 0};
constexpr Rgb kString{160, 0, 0};
constexpr Rgb kPlain{24, 24, 24};

// `colour` laid over the pixel with the given opacity (0 to 255).
void blend(SkinCanvas& canvas, int x, int y, Rgb colour, int alpha) {
    if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height() || alpha <= 0) return;
    canvas.set(x, y, skin::art::mix(canvas.pixel(x, y), colour, std::min(alpha, 255), 255));
}

void blendRect(SkinCanvas& canvas, int x, int y, int w, int h, Rgb colour, int alpha) {
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col) blend(canvas, col, row, colour, alpha);
}

// A disc with smooth edges: each pixel is covered by the share of its 4 x 4 samples inside the circle,
// and takes the colour `shade` gives for its distance from the centre (0 at the centre, 1 at the rim).
template <class Shade>
void disc(SkinCanvas& canvas, double cx, double cy, double radius, int alpha, Shade shade) {
    const int left = static_cast<int>(std::floor(cx - radius)), right = static_cast<int>(std::ceil(cx + radius));
    const int top = static_cast<int>(std::floor(cy - radius)), bottom = static_cast<int>(std::ceil(cy + radius));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double dx = x + (sx + 0.5) / 4 - cx, dy = y + (sy + 0.5) / 4 - cy;
                    if (dx * dx + dy * dy <= radius * radius) ++inside;
                }
            if (inside == 0) continue;
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double distance = std::min(1.0, std::sqrt(dx * dx + dy * dy) / radius);
            blend(canvas, x, y, shade(distance), alpha * inside / 16);
        }
    }
}

void paintBackground(SkinCanvas& canvas) {
    canvas.verticalRamp(0, 0, kPictureWidth, kPictureHeight, kSkyTop, kSkyBottom);
    // A few large soft circles of light, as out-of-focus lamps behind the scene.
    struct TGlow {
        double x, y, r;
        int alpha;
    };
    constexpr TGlow glows[] = {{40, 150, 46, 18}, {150, 20, 60, 12}, {230, 120, 70, 14}, {110, 96, 28, 10}};
    for (const TGlow& glow : glows)
        disc(canvas, glow.x, glow.y, glow.r, glow.alpha, [](double) { return Rgb{150, 200, 255}; });
    // A thin light line under the title block.
    for (int x = 16; x < 200; ++x) blend(canvas, x, 66, Rgb{150, 200, 255}, 90 - (x - 16) / 2);
}

void paintTitle(SkinCanvas& canvas) {
    drawText(canvas, 18, 15, kProductName, kTitleShadow, 3);
    drawText(canvas, 16, 13, kProductName, kTitle, 3);
    drawText(canvas, 19, 44, kProductSubtitle, kTitleShadow, 2);
    drawText(canvas, 18, 43, kProductSubtitle, kSubtitle, 2);
}

// A light bulb, lit: a glowing glass with a highlight, a neck, a screw base and short rays.
void paintBulb(SkinCanvas& canvas) {
    constexpr double cx = 256, cy = 30, r = 18;
    disc(canvas, cx, cy, r + 9, 40, [](double) { return Rgb{255, 220, 120}; });
    for (int i = 0; i < 9; ++i) {
        const double angle = 3.14159265358979 * (0.9 + 1.2 * i / 8.0);  // over the top half and the sides
        for (double d = r + 6; d < r + 12; d += 0.5)
            blend(canvas, static_cast<int>(cx + d * std::cos(angle)), static_cast<int>(cy + d * std::sin(angle)),
                  Rgb{255, 214, 90}, 200);
    }
    disc(canvas, cx, cy, r, 255, [](double t) {
        return skin::art::mix(Rgb{255, 250, 214}, Rgb{240, 178, 32}, static_cast<int>(t * t * 100), 100);
    });
    disc(canvas, cx - 7, cy - 7, 5, 170, [](double) { return Rgb{255, 255, 255}; });
    // The neck narrows into the base.
    for (int row = 0; row < 6; ++row) {
        const int half = 9 - row / 2;
        canvas.hline(static_cast<int>(cx) - half, static_cast<int>(cy + r) - 3 + row, 2 * half,
                     skin::art::mix(Rgb{246, 196, 60}, Rgb{214, 150, 20}, row, 5));
    }
    for (int row = 0; row < 12; ++row) {
        const Rgb thread = (row / 2) % 2 == 0 ? Rgb{196, 198, 206} : Rgb{120, 122, 134};
        canvas.hline(static_cast<int>(cx) - 8, static_cast<int>(cy + r) + 3 + row, 16, thread);
    }
    canvas.fill(static_cast<int>(cx) - 4, static_cast<int>(cy + r) + 15, 8, 3, Rgb{60, 60, 70});
}

constexpr std::array<std::string_view, 7> kCodeLines = {
    "' Trucos de Visual Basic 6",
    "Private Sub Form_Load()",
    "  Dim i As Integer",
    "  For i = 1 To 10",
    "    List1.AddItem \"Truco \" & i",
    "  Next i",
    "End Sub",
};
constexpr int kCurrentLine = 4;  // the line the caret is on, 0-based

// A code window of the IDE: frame, caption bar with its buttons, a gutter of line numbers and the
// coloured code, the current line marked.
void paintCodeWindow(SkinCanvas& canvas) {
    constexpr int x = 14, y = 74, w = 272, h = 86;
    constexpr int captionHeight = 12, gutter = 22, lineHeight = kCellHeight + 1;
    blendRect(canvas, x + 3, y + 3, w, h, Rgb{0, 0, 0}, 80);
    canvas.outline(x, y, w, h, Rgb{36, 40, 52});
    canvas.horizontalRamp(x + 1, y + 1, w - 2, captionHeight, Rgb{0, 36, 112}, Rgb{96, 150, 220});
    drawText(canvas, x + 5, y + 3, "Form1 (Codigo)", kTitle);
    for (int i = 0; i < 3; ++i) {
        const int bx = x + w - 12 - i * 11;
        canvas.fill(bx, y + 3, 9, 8, Rgb{212, 208, 200});
        canvas.outline(bx, y + 3, 9, 8, Rgb{64, 64, 64});
    }
    const int bodyTop = y + 1 + captionHeight;
    canvas.fill(x + 1, bodyTop, w - 2, h - 2 - captionHeight, Rgb{255, 255, 255});
    canvas.fill(x + 1, bodyTop, gutter, h - 2 - captionHeight, Rgb{236, 236, 240});
    canvas.vline(x + 1 + gutter, bodyTop, h - 2 - captionHeight, Rgb{196, 196, 204});
    const int textLeft = x + gutter + 6;
    for (std::size_t i = 0; i < kCodeLines.size(); ++i) {
        const int top = bodyTop + 2 + static_cast<int>(i) * lineHeight;
        if (static_cast<int>(i) == kCurrentLine)
            canvas.fill(x + 2 + gutter, top - 1, w - 3 - gutter, lineHeight, Rgb{255, 250, 214});
        const std::string number = std::to_string(i + 1);
        drawText(canvas, x + gutter - 2 - textWidth(number, 1), top, number, Rgb{136, 136, 150});
        const std::string_view line = kCodeLines[i];
        const auto colours = codeColours(line);
        for (std::size_t c = 0; c < line.size(); ++c)
            drawText(canvas, textLeft + static_cast<int>(c) * (kCellWidth + kCharGap), top, line.substr(c, 1),
                     colours[c]);
    }
    // The caret, after the line's text.
    const int caretX = textLeft + textWidth(kCodeLines[kCurrentLine], 1) + 2;
    canvas.vline(caretX, bodyTop + 1 + kCurrentLine * lineHeight, lineHeight - 1, Rgb{0, 0, 0});
}

bool isKeyword(std::string_view word) {
    static constexpr std::string_view keywords[] = {"Private", "Public", "Sub", "Function", "End", "Dim", "As",
                                                    "Integer", "String", "For", "To", "Next", "If", "Then"};
    return std::find(std::begin(keywords), std::end(keywords), word) != std::end(keywords);
}

bool isWordChar(char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0 || ch == '_'; }

}  // namespace

std::vector<Rgb> codeColours(std::string_view line) {
    std::vector<Rgb> colours(line.size(), kPlain);
    std::size_t i = 0;
    while (i < line.size()) {
        const char ch = line[i];
        if (ch == '\'') {
            std::fill(colours.begin() + static_cast<std::ptrdiff_t>(i), colours.end(), kComment);
            break;
        }
        if (ch == '"') {
            const std::size_t close = line.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? line.size() : close + 1;
            std::fill(colours.begin() + static_cast<std::ptrdiff_t>(i), colours.begin() + static_cast<std::ptrdiff_t>(end),
                      kString);
            i = end;
            continue;
        }
        if (isWordChar(ch)) {
            std::size_t end = i;
            while (end < line.size() && isWordChar(line[end])) ++end;
            if (isKeyword(line.substr(i, end - i)))
                std::fill(colours.begin() + static_cast<std::ptrdiff_t>(i),
                          colours.begin() + static_cast<std::ptrdiff_t>(end), kKeyword);
            i = end;
            continue;
        }
        ++i;
    }
    return colours;
}

SkinCanvas paintAboutPicture() {
    SkinCanvas canvas(kPictureWidth, kPictureHeight);
    paintBackground(canvas);
    paintTitle(canvas);
    paintBulb(canvas);
    paintCodeWindow(canvas);
    return canvas;
}

}  // namespace tips::app::about
