// The window frame, the title bar with its buttons, the menu bar and the child-window controls.

#include "skin_palette.hpp"
#include "skin_picture_parts.hpp"

namespace tips::skin::art {

namespace glyphs {
const char* const minimise =
    "........\n"
    "........\n"
    "........\n"
    "........\n"
    "........\n"
    "........\n"
    "########\n"
    "########\n";
const char* const maximise =
    "########\n"
    "########\n"
    "#......#\n"
    "#......#\n"
    "#......#\n"
    "#......#\n"
    "#......#\n"
    "########\n";
const char* const close =
    "##....##\n"
    "###..###\n"
    ".######.\n"
    "..####..\n"
    "..####..\n"
    ".######.\n"
    "###..###\n"
    "##....##\n";
const char* const restore =
    "..######\n"
    "..######\n"
    "..#....#\n"
    "######.#\n"
    "######.#\n"
    "#....###\n"
    "#....#..\n"
    "######..\n";
const char* const help =
    "..####..\n"
    ".##..##.\n"
    ".....##.\n"
    "....##..\n"
    "...##...\n"
    "...##...\n"
    "........\n"
    "...##...\n";
const char* const lock =
    "..####..\n"
    ".##..##.\n"
    ".#....#.\n"
    "########\n"
    "########\n"
    "###..###\n"
    "########\n"
    "########\n";
const char* const unlock =
    "..####..\n"
    ".##..##.\n"
    ".#......\n"
    "########\n"
    "########\n"
    "###..###\n"
    "########\n"
    "########\n";
const char* const rollup =
    "........\n"
    "...##...\n"
    "..####..\n"
    ".######.\n"
    "########\n"
    "........\n"
    "########\n"
    "........\n";
const char* const unroll =
    "........\n"
    "########\n"
    "........\n"
    "########\n"
    ".######.\n"
    "..####..\n"
    "...##...\n"
    "........\n";
const char* const windowMenu =
    "########\n"
    "########\n"
    "........\n"
    "########\n"
    "########\n"
    "........\n"
    "########\n"
    "########\n";
}  // namespace glyphs

namespace {

struct FrameColours {
    Rgb top, bottom, outer, mid, inner;
};

constexpr FrameColours activeFrame{palette::titleTop, palette::titleBottom, palette::frameOuter, palette::frameMid,
                                   palette::frameInner};
constexpr FrameColours idleFrame{palette::idleTop, palette::idleBottom, palette::idleOuter, palette::idleMid,
                                 palette::idleInner};

// One title-bar frame, 190 x 26: a calm ramp with a highlight under the outer edge.
SkinCanvas titleFrame(const FrameColours& c) {
    SkinCanvas f(190, 26);
    f.verticalRamp(0, 0, 190, 26, c.top, c.bottom);
    f.hline(0, 0, 190, c.outer);
    f.hline(1, 1, 188, lighter(c.top, 30));
    f.vline(0, 0, 26, c.outer);
    f.vline(189, 0, 26, c.outer);
    f.hline(1, 25, 188, darker(c.bottom, 12));
    return f;
}

// One bottom frame, 232 x 3: inner, middle and outer rows.
SkinCanvas bottomFrame(const FrameColours& c) {
    SkinCanvas f(232, 3);
    f.hline(0, 0, 232, c.inner);
    f.hline(0, 1, 232, c.mid);
    f.hline(0, 2, 232, c.outer);
    return f;
}

// One side frame, 3 x 142; the last rows turn the corner into the bottom piece.
SkinCanvas sideFrame(const FrameColours& c, bool left) {
    SkinCanvas f(3, 142);
    const int outer = left ? 0 : 2, inner = left ? 2 : 0;
    f.vline(outer, 0, 142, c.outer);
    f.vline(1, 1, 140, c.mid);
    f.vline(inner, 1, 139, c.inner);
    f.set(inner, 140, c.mid);
    f.hline(0, 0, 3, c.outer);
    f.hline(0, 141, 3, c.outer);
    return f;
}

SkinCanvas menuBarFrame(bool active) {
    SkinCanvas f(70, 19);
    const Rgb top = active ? Rgb{60, 102, 176} : palette::idleMid;
    const Rgb bottom = active ? Rgb{46, 86, 156} : palette::idleInner;
    f.verticalRamp(0, 0, 70, 19, top, bottom);
    f.hline(0, 0, 70, lighter(top, 18));
    f.hline(0, 18, 70, active ? palette::frameInner : palette::idleOuter);
    return f;
}

struct ButtonLook {
    Rgb face, border, glyph;
    int glyphShift;
};

SkinCanvas titleButtonFrame(const char* glyph, const ButtonLook& look) {
    SkinCanvas f(18, 20);
    f.verticalRamp(1, 2, 16, 16, lighter(look.face, 28), look.face);
    f.outline(1, 2, 16, 16, look.border);
    f.roundCorners(1, 2, 16, 16, 2);
    f.glyph(5 + look.glyphShift, 6 + look.glyphShift, glyph, look.glyph);
    return f;
}

SkinCanvas mdiButtonFrame(const char* glyph, Rgb face, Rgb border, Rgb ink, int shift) {
    SkinCanvas f(15, 14);
    f.verticalRamp(0, 0, 15, 14, lighter(face, 20), face);
    f.outline(0, 0, 15, 14, border);
    f.roundCorners(0, 0, 15, 14, 1);
    f.glyph(4 + shift, 3 + shift, glyph, ink);
    return f;
}

}  // namespace

SkinCanvas paintFrameTop() {
    FrameStrip strip(190, 26, 2, FrameStrip::Layout::stacked);
    strip.put(0, titleFrame(activeFrame));
    strip.put(1, titleFrame(idleFrame));
    return strip.canvas();
}

SkinCanvas paintFrameBottom() {
    FrameStrip strip(232, 3, 2, FrameStrip::Layout::stacked);
    strip.put(0, bottomFrame(activeFrame));
    strip.put(1, bottomFrame(idleFrame));
    return strip.canvas();
}

SkinCanvas paintFrameSide(bool left) {
    FrameStrip strip(3, 142, 2);
    strip.put(0, sideFrame(activeFrame, left));
    strip.put(1, sideFrame(idleFrame, left));
    return strip.canvas();
}

SkinCanvas paintMenuBar() {
    FrameStrip strip(70, 19, 2, FrameStrip::Layout::stacked);
    strip.put(0, menuBarFrame(true));
    strip.put(1, menuBarFrame(false));
    return strip.canvas();
}

// Menu-bar item states: plain, hot, pressed, disabled, plain.
SkinCanvas paintMenuButtons() {
    FrameStrip strip(49, 20, 5);
    for (int i = 0; i < 5; ++i) {
        SkinCanvas f(49, 20);
        if (i == 1 || i == 2) {
            const Rgb fill = i == 1 ? palette::accentLight : palette::accentDark;
            f.fill(0, 1, 49, 18, fill);
            f.outline(0, 1, 49, 18, palette::faceLight);
            f.roundCorners(0, 1, 49, 18, 1);
        }
        strip.put(i, f);
    }
    return strip.canvas();
}

// Six frames: active, pressed, hover, inactive, disabled, inactive hover.
SkinCanvas paintTitleButton(const char* glyph, bool danger) {
    const Rgb face = danger ? palette::closeFace : Rgb{76, 120, 194};
    const Rgb hot = danger ? palette::closeHot : Rgb{116, 158, 226};
    const Rgb pressed = danger ? palette::closePressed : Rgb{30, 60, 120};
    const ButtonLook looks[6] = {
        {face, palette::frameOuter, palette::white, 0},
        {pressed, palette::frameOuter, palette::white, 1},
        {hot, palette::frameOuter, palette::white, 0},
        {palette::idleBottom, palette::idleOuter, Rgb{232, 234, 238}, 0},
        {palette::idleTop, palette::idleMid, palette::idleMid, 0},
        {lighter(palette::idleTop, 16), palette::idleOuter, palette::white, 0},
    };
    FrameStrip strip(18, 20, 6);
    for (int i = 0; i < 6; ++i) strip.put(i, titleButtonFrame(glyph, looks[i]));
    return strip.canvas();
}

// The program's small icon: a page with a pair of code brackets; six frames, the last ones dimmed.
SkinCanvas paintTitleIcon() {
    FrameStrip strip(16, 16, 6);
    for (int i = 0; i < 6; ++i) {
        SkinCanvas f(16, 16);
        const bool dim = i >= 3;
        const Rgb ink = dim ? palette::darkShadow : palette::accent;
        f.fill(2, 1, 11, 14, dim ? palette::disabledFace : palette::white);
        f.outline(2, 1, 11, 14, palette::darkShadow);
        f.fill(10, 1, 3, 3, kTransparent);
        f.glyph(9, 1, "#...\n##..\n###.\n", palette::darkShadow);
        f.glyph(3, 5,
                "..#...#..\n"
                ".#.....#.\n"
                "#...#...#\n"
                ".#..#..#.\n"
                "..#...#..\n",
                ink);
        f.hline(4, 12, 7, palette::shadow);
        strip.put(i, f);
    }
    return strip.canvas();
}

// Twelve columns of 15 pixels: minimise, restore and close, each normal, pressed, disabled, hover.
SkinCanvas paintMdiButtons() {
    static const char* const small[3] = {
        ".......\n.......\n.......\n.......\n.......\n#######\n#######\n",
        "..#####\n..#####\n..#...#\n#####.#\n#####.#\n#...#..\n#####..\n",
        "##...##\n.##.##.\n..###..\n..###..\n.##.##.\n##...##\n.......\n",
    };
    FrameStrip strip(15, 14, 12);
    for (int b = 0; b < 3; ++b) {
        strip.put(4 * b + 0, mdiButtonFrame(small[b], palette::faceLight, palette::darkShadow, palette::glyphDark, 0));
        strip.put(4 * b + 1, mdiButtonFrame(small[b], palette::pressedFace, palette::accentDark, palette::glyphDark, 1));
        strip.put(4 * b + 2,
                  mdiButtonFrame(small[b], palette::disabledFace, palette::disabledBorder, palette::disabledGlyph, 0));
        strip.put(4 * b + 3, mdiButtonFrame(small[b], palette::hotFace, palette::accent, palette::accent, 0));
    }
    return strip.canvas();
}

}  // namespace tips::skin::art
