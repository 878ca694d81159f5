// Pictures of the controls: push buttons, check and radio glyphs, bars, tabs, menus and scroll bars.
// Nine-slice pictures keep their detail in the fixed margins and a plain centre, so that tiling or
// stretching the centre never shows seams.

#include <utility>

#include "skin_palette.hpp"
#include "skin_picture_parts.hpp"

namespace tips::skin::art {

namespace {

struct FaceLook {
    Rgb face, border;
};

// A 46 x 46 push-button frame: ramps in the 10-pixel top and bottom margins, a plain centre.
SkinCanvas buttonFrame(const FaceLook& look, bool sunken, bool doubleBorder) {
    SkinCanvas f(46, 46);
    const Rgb top = sunken ? darker(look.face, 22) : lighter(look.face, 34);
    const Rgb bottom = sunken ? lighter(look.face, 12) : darker(look.face, 22);
    f.verticalRamp(0, 0, 46, 10, top, look.face);
    f.fill(0, 10, 46, 26, look.face);
    f.verticalRamp(0, 36, 46, 10, look.face, bottom);
    f.outline(0, 0, 46, 46, look.border);
    if (doubleBorder) f.outline(1, 1, 44, 44, palette::accentLight);
    f.roundCorners(0, 0, 46, 46, 2);
    return f;
}

SkinCanvas toolbarFrame(Rgb face) {
    SkinCanvas f(46, 46);
    f.fill(0, 0, 46, 46, face);
    f.hline(0, 0, 46, lighter(face, 30));
    f.hline(0, 45, 46, darker(face, 40));
    return f;
}

// 14 x 14 check-box frames: box, tick, colours by state.
SkinCanvas checkFrame(bool checked, bool enabled) {
    SkinCanvas f(14, 14, palette::face);
    f.fill(0, 0, 13, 13, enabled ? palette::white : palette::disabledFace);
    f.outline(0, 0, 13, 13, enabled ? palette::darkShadow : palette::disabledBorder);
    if (checked)
        f.glyph(2, 2,
                "........#\n"
                ".......##\n"
                "#.....###\n"
                "##...###.\n"
                "###.###..\n"
                ".#####...\n"
                "..###....\n"
                "...#.....\n",
                enabled ? palette::accent : palette::disabledGlyph);
    return f;
}

SkinCanvas radioFrame(bool checked, bool enabled) {
    // '#' ring, 'o' inside, '*' the dot of a checked button.
    static constexpr const char* rows[12] = {
        "....####....", "..##oooo##..", ".#oooooooo#.", ".#oooooooo#.", "#oooo**oooo#", "#ooo****ooo#",
        "#ooo****ooo#", "#oooo**oooo#", ".#oooooooo#.", ".#oooooooo#.", "..##oooo##..", "....####....",
    };
    SkinCanvas f(14, 14, palette::face);
    const Rgb ring = enabled ? palette::darkShadow : palette::disabledBorder;
    const Rgb inside = enabled ? palette::white : palette::disabledFace;
    const Rgb dot = enabled ? palette::accent : palette::disabledGlyph;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const char c = rows[y][x];
            if (c == '#') f.set(x + 1, y + 1, ring);
            if (c == 'o' || (c == '*' && !checked)) f.set(x + 1, y + 1, inside);
            if (c == '*' && checked) f.set(x + 1, y + 1, dot);
        }
    return f;
}

// Arrow button of the scroll bars, 16 x 16.
SkinCanvas arrowButton(char direction, int state) {
    static const FaceLook looks[4] = {{Rgb{224, 224, 224}, palette::shadow},
                                      {palette::pressedFace, palette::accentDark},
                                      {palette::hotFace, palette::accent},
                                      {palette::disabledFace, palette::disabledBorder}};
    static const Rgb inks[4] = {palette::glyphDark, palette::glyphDark, palette::accent, palette::disabledGlyph};
    const FaceLook& look = looks[state];
    SkinCanvas f(16, 16);
    f.verticalRamp(0, 0, 16, 16, lighter(look.face, 16), look.face);
    f.outline(0, 0, 16, 16, look.border);
    if (direction != ' ') {
        const int shift = state == 1 ? 1 : 0;
        f.arrow(shift, shift, 16, 16, direction, 4, inks[state]);
    }
    return f;
}

void sizeGrip(SkinCanvas& f, int x, int y) {
    // Three diagonal ridges towards the bottom-right corner of a 12 x 12 box.
    for (int dy = 0; dy < 12; ++dy)
        for (int dx = 0; dx < 12; ++dx) {
            const int distance = (11 - dx) + (11 - dy);
            for (int ridge = 0; ridge < 3; ++ridge) {
                if (distance == 4 * ridge + 2) f.set(x + dx, y + dy, palette::white);
                if (distance == 4 * ridge + 3) f.set(x + dx, y + dy, palette::shadow);
            }
        }
}

}  // namespace

SkinCanvas paintDialogBackground() {
    SkinCanvas f(32, 32, palette::face);
    for (int y = 0; y < 32; y += 4)
        for (int x = (y / 4) % 2 * 2; x < 32; x += 4) f.set(x, y, Rgb{208, 208, 208});
    return f;
}

// Normal, pressed, disabled, hot (or focused), default.
SkinCanvas paintPushButtons() {
    FrameStrip strip(46, 46, 5);
    strip.put(0, buttonFrame({palette::accent, palette::accentDark}, false, false));
    strip.put(1, buttonFrame({palette::pressedFace, palette::accentDark}, true, false));
    strip.put(2, buttonFrame({palette::disabledFace, palette::disabledBorder}, false, false));
    strip.put(3, buttonFrame({palette::hotFace, palette::accent}, false, false));
    strip.put(4, buttonFrame({palette::accent, palette::accentDark}, false, true));
    return strip.canvas();
}

SkinCanvas paintToolbars() {
    FrameStrip strip(46, 46, 5);
    strip.put(0, toolbarFrame(palette::face));
    strip.put(1, toolbarFrame(darker(palette::face, 16)));
    strip.put(2, toolbarFrame(palette::disabledFace));
    strip.put(3, toolbarFrame(palette::hotFace));
    strip.put(4, toolbarFrame(palette::face));
    return strip.canvas();
}

// Unchecked, checked, disabled unchecked, disabled checked (also grayed).
SkinCanvas paintCheckBox() {
    FrameStrip strip(14, 14, 4);
    strip.put(0, checkFrame(false, true));
    strip.put(1, checkFrame(true, true));
    strip.put(2, checkFrame(false, false));
    strip.put(3, checkFrame(true, false));
    return strip.canvas();
}

SkinCanvas paintRadioButton() {
    FrameStrip strip(14, 14, 4);
    strip.put(0, radioFrame(false, true));
    strip.put(1, radioFrame(true, true));
    strip.put(2, radioFrame(false, false));
    strip.put(3, radioFrame(true, false));
    return strip.canvas();
}

// The trough, then the filled part.
SkinCanvas paintProgressBar() {
    FrameStrip strip(91, 13, 2);
    SkinCanvas trough(91, 13, palette::paper);
    trough.hline(1, 1, 89, Rgb{228, 228, 228});
    trough.outline(0, 0, 91, 13, palette::shadow);
    strip.put(0, trough);
    SkinCanvas bar(91, 13);
    bar.verticalRamp(0, 0, 91, 6, palette::accentLight, palette::accent);
    bar.fill(0, 6, 91, 1, palette::accent);
    bar.verticalRamp(0, 7, 91, 6, palette::accent, palette::accentDark);
    bar.outline(0, 0, 91, 13, palette::accentDark);
    strip.put(1, bar);
    return strip.canvas();
}

// An etched frame below the caption line; everything else transparent.
SkinCanvas paintGroupBoxBorder() {
    FrameStrip strip(25, 25, 2);
    for (int i = 0; i < 2; ++i) {
        SkinCanvas f(25, 25);
        const Rgb line = i == 0 ? palette::shadow : palette::disabledBorder;
        f.outline(0, 7, 24, 17, line);
        f.outline(1, 8, 24, 17, palette::white);
        f.outline(0, 7, 24, 17, line);
        f.set(0, 7, kTransparent);
        f.set(0, 23, kTransparent);
        f.set(23, 7, kTransparent);
        strip.put(i, f);
    }
    return strip.canvas();
}

// The caption label of a group box: a blue plate for white text.
SkinCanvas paintGroupBoxTab() {
    SkinCanvas f(47, 15, palette::face);
    f.verticalRamp(0, 0, 47, 7, palette::accentLight, palette::accent);
    f.fill(0, 7, 47, 1, palette::accent);
    f.verticalRamp(0, 8, 47, 7, palette::accent, palette::accentDark);
    f.outline(0, 0, 47, 15, palette::accentDark);
    for (auto [x, y] : {std::pair{0, 0}, {46, 0}, {0, 14}, {46, 14}}) f.set(x, y, palette::face);
    return f;
}

SkinCanvas paintPageBorder() {
    SkinCanvas f(12, 12, palette::face);
    f.outline(0, 0, 12, 12, palette::shadow);
    f.hline(1, 1, 10, palette::white);
    f.vline(1, 1, 10, palette::white);
    return f;
}

// Normal, selected, disabled, hot, selected again; rounded top corners, open bottom.
SkinCanvas paintPageTabs() {
    const FaceLook looks[5] = {{palette::accent, palette::accentDark},
                               {Rgb{232, 232, 232}, palette::shadow},
                               {palette::disabledFace, palette::disabledBorder},
                               {Rgb{96, 138, 206}, palette::accentDark},
                               {Rgb{232, 232, 232}, palette::shadow}};
    FrameStrip strip(26, 20, 5);
    for (int i = 0; i < 5; ++i) {
        SkinCanvas f(26, 20);
        f.verticalRamp(0, 0, 26, 10, lighter(looks[i].face, 26), looks[i].face);
        f.fill(0, 10, 26, 10, looks[i].face);
        f.hline(0, 0, 26, looks[i].border);
        f.vline(0, 0, 20, looks[i].border);
        f.vline(25, 0, 20, looks[i].border);
        f.set(0, 0, kTransparent);
        f.set(25, 0, kTransparent);
        f.set(1, 0, kTransparent);
        f.set(24, 0, kTransparent);
        f.set(0, 1, kTransparent);
        f.set(25, 1, kTransparent);
        strip.put(i, f);
    }
    return strip.canvas();
}

// Lowered, raised and bevel-less panels. Only rows carry the bevel: the sides are stretched.
SkinCanvas paintStatusBar() {
    FrameStrip strip(32, 20, 3);
    SkinCanvas lowered(32, 20, Rgb{210, 210, 210});
    lowered.hline(0, 0, 32, palette::shadow);
    lowered.hline(0, 19, 32, palette::white);
    strip.put(0, lowered);
    SkinCanvas raised(32, 20, palette::face);
    raised.hline(0, 0, 32, palette::white);
    raised.hline(0, 19, 32, palette::shadow);
    strip.put(1, raised);
    SkinCanvas flat(32, 20, palette::face);
    flat.hline(0, 0, 32, Rgb{190, 190, 190});
    strip.put(2, flat);
    return strip.canvas();
}

// The drop-down button of a combo box: normal, hot, pressed, disabled. Its arrow is drawn on top.
SkinCanvas paintComboButton() {
    const FaceLook looks[4] = {{Rgb{224, 224, 224}, palette::shadow},
                               {palette::hotFace, palette::accent},
                               {palette::pressedFace, palette::accentDark},
                               {palette::disabledFace, palette::disabledBorder}};
    FrameStrip strip(18, 21, 4);
    for (int i = 0; i < 4; ++i) {
        SkinCanvas f(18, 21, palette::white);
        f.verticalRamp(2, 0, 16, 10, lighter(looks[i].face, 18), looks[i].face);
        f.fill(2, 10, 16, 1, looks[i].face);
        f.verticalRamp(2, 11, 16, 10, looks[i].face, darker(looks[i].face, 14));
        f.outline(2, 0, 16, 21, looks[i].border);
        strip.put(i, f);
    }
    return strip.canvas();
}

// The sunken border of edits and combo boxes: normal, hot, focused, disabled.
SkinCanvas paintComboBorder() {
    const Rgb outers[4] = {palette::shadow, palette::accent, palette::accentDark, palette::disabledBorder};
    FrameStrip strip(10, 9, 4);
    for (int i = 0; i < 4; ++i) {
        SkinCanvas f(10, 9, i == 3 ? palette::disabledFace : palette::white);
        f.outline(0, 0, 10, 9, outers[i]);
        f.hline(1, 1, 8, i == 3 ? palette::disabledFace : Rgb{236, 236, 236});
        strip.put(i, f);
    }
    return strip.canvas();
}

// Down arrows (normal, hot, pressed, disabled) and the size grip.
SkinCanvas paintComboArrows() {
    FrameStrip strip(16, 16, 5);
    const Rgb inks[4] = {palette::glyphDark, palette::accent, palette::glyphDark, palette::disabledGlyph};
    for (int i = 0; i < 4; ++i) {
        SkinCanvas f(16, 16);
        const int shift = i == 2 ? 1 : 0;
        f.arrow(shift, shift, 16, 16, 'd', 4, inks[i]);
        strip.put(i, f);
    }
    SkinCanvas grip(16, 16);
    sizeGrip(grip, 2, 2);
    strip.put(4, grip);
    return strip.canvas();
}

// Column header sections: normal, pressed, disabled, hot, sorted.
SkinCanvas paintHeaderSections() {
    FrameStrip strip(38, 27, 5);
    const Rgb faces[5] = {Rgb{216, 216, 216}, Rgb{192, 192, 192}, palette::disabledFace, Rgb{214, 226, 244},
                          Rgb{216, 216, 216}};
    for (int i = 0; i < 5; ++i) {
        SkinCanvas f(38, 27);
        f.verticalRamp(0, 0, 38, 8, lighter(faces[i], 30), faces[i]);
        f.fill(0, 8, 38, 11, faces[i]);
        f.verticalRamp(0, 19, 38, 8, faces[i], darker(faces[i], 12));
        f.hline(0, 26, 38, palette::shadow);
        f.vline(0, 0, 26, palette::white);
        f.vline(36, 3, 21, palette::shadow);
        f.vline(37, 3, 21, palette::white);
        if (i == 4) f.hline(0, 25, 38, palette::accent);
        strip.put(i, f);
    }
    return strip.canvas();
}

// Menu items: normal (transparent), separator, disabled (transparent), selected, selected disabled.
SkinCanvas paintMenuItem() {
    FrameStrip strip(124, 19, 5);
    strip.put(0, SkinCanvas(124, 19));
    SkinCanvas separator(124, 19);
    separator.hline(6, 9, 112, palette::shadow);
    separator.hline(6, 10, 112, palette::white);
    strip.put(1, separator);
    strip.put(2, SkinCanvas(124, 19));
    for (int i = 3; i < 5; ++i) {
        const Rgb face = i == 3 ? palette::accent : Rgb{176, 176, 176};
        SkinCanvas f(124, 19);
        f.verticalRamp(0, 0, 124, 13, lighter(face, 30), face);
        f.fill(0, 13, 124, 6, face);
        f.outline(0, 0, 124, 19, i == 3 ? palette::accentDark : palette::shadow);
        f.roundCorners(0, 0, 124, 19, 2);
        strip.put(i, f);
    }
    return strip.canvas();
}

// The background of popup menus: a thin border, a light gutter for check marks, white paper.
SkinCanvas paintMenuBackground() {
    SkinCanvas f(128, 128, palette::paper);
    f.fill(1, 1, 15, 126, Rgb{230, 234, 242});
    f.vline(16, 1, 126, Rgb{212, 216, 226});
    f.outline(0, 0, 128, 128, palette::darkShadow);
    return f;
}

// 23 frames: left, right, up and down arrows in four states each (normal, pressed, hot, disabled),
// blank buttons in the same four states, the size grip, a plain corner and a plain track piece.
SkinCanvas paintScrollArrows() {
    FrameStrip strip(16, 16, 23);
    const char directions[5] = {'l', 'r', 'u', 'd', ' '};
    for (int d = 0; d < 5; ++d)
        for (int state = 0; state < 4; ++state) strip.put(4 * d + state, arrowButton(directions[d], state));
    SkinCanvas grip(16, 16, palette::face);
    sizeGrip(grip, 2, 2);
    strip.put(20, grip);
    strip.put(21, SkinCanvas(16, 16, palette::face));
    strip.put(22, SkinCanvas(16, 16, Rgb{232, 232, 232}));
    return strip.canvas();
}

// The track between the arrows: normal, pressed, hot, disabled. Lines along the long edges only.
SkinCanvas paintScrollTrack(bool horizontal) {
    const Rgb fills[4] = {Rgb{232, 232, 232}, Rgb{200, 200, 200}, Rgb{238, 242, 250}, Rgb{224, 224, 224}};
    FrameStrip strip(16, 16, 4);
    for (int i = 0; i < 4; ++i) {
        SkinCanvas f(16, 16, fills[i]);
        if (horizontal) {
            f.hline(0, 0, 16, Rgb{190, 190, 190});
            f.hline(0, 15, 16, Rgb{190, 190, 190});
        } else {
            f.vline(0, 0, 16, Rgb{190, 190, 190});
            f.vline(15, 0, 16, Rgb{190, 190, 190});
        }
        strip.put(i, f);
    }
    return strip.canvas();
}

// The thumb: normal, dragged, hot; rounded, with the track showing through its corners.
SkinCanvas paintScrollThumb(bool horizontal) {
    const Rgb faces[3] = {Rgb{150, 176, 216}, Rgb{90, 130, 200}, Rgb{176, 198, 232}};
    FrameStrip strip(16, 16, 3);
    for (int i = 0; i < 3; ++i) {
        SkinCanvas f(16, 16);
        if (horizontal) {
            f.verticalRamp(0, 2, 16, 12, lighter(faces[i], 24), faces[i]);
            f.outline(0, 2, 16, 12, palette::accentDark);
            f.roundCorners(0, 2, 16, 12, 2);
        } else {
            f.horizontalRamp(2, 0, 12, 16, lighter(faces[i], 24), faces[i]);
            f.outline(2, 0, 12, 16, palette::accentDark);
            f.roundCorners(2, 0, 12, 16, 2);
        }
        strip.put(i, f);
    }
    return strip.canvas();
}

}  // namespace tips::skin::art
