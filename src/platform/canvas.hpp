#pragma once
// TCanvas: the one drawing surface. Every painter of the program (grid, toolbar buttons, splitter,
// panels, and the editor, printing, preview, link labels and skin to come) draws through it; the
// Win32 side implements it once with GDI (platform/win32/gdi_canvas.hpp) and tests record the calls
// (platform/recording_canvas.hpp).
//
// Coordinates are logical units, pixels unless a mapping says otherwise. Rectangles exclude their
// right and bottom edges. Colours are TColor; the canvas resolves system colours through its table.
// A canvas starts with black text on white, an opaque background, no extra spacing, the device's
// default font, no clip and the identity mapping; SaveState/RestoreState bracket changes to those.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/bitmap.hpp"
#include "platform/canvas_geometry.hpp"
#include "platform/canvas_text_box.hpp"
#include "platform/color.hpp"
#include "platform/font.hpp"
#include "platform/system_colors.hpp"

namespace tips::platform {

// The rings of a 3-D edge, numbered as DrawEdge numbers them: the outer ring, then the inner one,
// each raised (light above and left) or sunken.
using TEdgeBorders = std::uint8_t;
inline constexpr TEdgeBorders bdrRaisedOuter = 1;
inline constexpr TEdgeBorders bdrSunkenOuter = 2;
inline constexpr TEdgeBorders bdrRaisedInner = 4;
inline constexpr TEdgeBorders bdrSunkenInner = 8;
inline constexpr TEdgeBorders edgeRaised = bdrRaisedOuter | bdrRaisedInner;
inline constexpr TEdgeBorders edgeSunken = bdrSunkenOuter | bdrSunkenInner;

// The sides of the rectangle an edge is drawn on.
using TEdgeSides = std::uint8_t;
inline constexpr TEdgeSides bfLeft = 1;
inline constexpr TEdgeSides bfTop = 2;
inline constexpr TEdgeSides bfRight = 4;
inline constexpr TEdgeSides bfBottom = 8;
inline constexpr TEdgeSides bfRect = bfLeft | bfTop | bfRight | bfBottom;

// Whether text fills its character cells with the back colour.
enum class TBackgroundMode : std::uint8_t { bmTransparent, bmOpaque };

// The rectangle given with a text run: with Opaque it is filled with the back colour first, with
// Clipped the characters are cut at it. Either, both or neither (as ExtTextOut's options).
struct TTextBox {
    TViewRect Rect;
    bool Opaque = false;
    bool Clipped = false;
    friend bool operator==(const TTextBox&, const TTextBox&) = default;
};

// An 8 x 8 monochrome pattern repeating from the device origin: one byte a row, top row first, the
// high bit the leftmost pixel.
struct TPattern8 {
    std::array<std::uint8_t, 8> Rows{};
    friend bool operator==(const TPattern8&, const TPattern8&) = default;
};

// White where x and y have the same parity, black elsewhere.
inline constexpr TPattern8 kCheckerPattern{{0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}};

class TCanvas {
public:
    virtual ~TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // ---- Colours -----------------------------------------------------------------------------
    virtual const TSystemColors& SystemColors() const = 0;
    TColor Resolve(TColor color) const { return ResolveColor(color, SystemColors()); }

    // ---- Shapes ------------------------------------------------------------------------------
    virtual void FillRect(const TViewRect& rect, TColor color) = 0;
    // A one-pixel outline just inside `rect`.
    virtual void FrameRect(const TViewRect& rect, TColor color) = 0;
    // A one-pixel line from `from` up to but excluding `to`.
    virtual void Line(TViewPoint from, TViewPoint to, TColor color) = 0;
    // One-pixel lines through the points in turn, the last point excluded.
    virtual void Polyline(std::span<const TViewPoint> points, TColor color) = 0;
    // The closed shape through the points, filled and outlined in `color`, its edges included.
    virtual void Polygon(std::span<const TViewPoint> points, TColor color) = 0;
    // A 3-D edge in the button colours of the system, as Windows draws it.
    virtual void DrawEdge(const TViewRect& rect, TEdgeBorders borders, TEdgeSides sides = bfRect) = 0;
    virtual void SetPixel(TViewPoint at, TColor color) = 0;
    // Every pixel of `rect` in its inverse colour; inverting twice restores it.
    virtual void InvertRect(const TViewRect& rect) = 0;
    // Pixels of `rect` where the pattern's bit is clear turn black; the others keep their colour.
    virtual void AndPattern(const TViewRect& rect, const TPattern8& pattern) = 0;

    // ---- Bitmaps -----------------------------------------------------------------------------
    // The `source` part of `bitmap`, stretched onto `dest` when the sizes differ. Pixels of the
    // `transparent` colour, when one is given, leave the canvas as it was. Throws std::out_of_range
    // when `source` is not inside the bitmap.
    virtual void DrawBitmap(const TBitmap& bitmap, const TViewRect& source, const TViewRect& dest,
                            std::optional<TColor> transparent = std::nullopt) = 0;
    void DrawBitmap(const TBitmap& bitmap, const TViewRect& source, TViewPoint at,
                    std::optional<TColor> transparent = std::nullopt) {
        DrawBitmap(bitmap, source,
                   {at.X, at.Y, at.X + source.Right - source.Left, at.Y + source.Bottom - source.Top}, transparent);
    }

    // ---- Text --------------------------------------------------------------------------------
    // Where this canvas's fonts come from. Any TFont may be selected; one made here is the fast one.
    virtual const TFontFactory& Fonts() const = 0;
    virtual void SetFont(const TFont& font) = 0;
    virtual void SetTextColor(TColor color) = 0;
    virtual void SetBackColor(TColor color) = 0;
    virtual void SetBackgroundMode(TBackgroundMode mode) = 0;
    // Pixels added after every character, by WriteText and TextExtent alike.
    virtual void SetCharacterExtra(int extra) = 0;

    // Writes `text` with the top-left of its first character cell at `at`, in the selected font and
    // the text colour. `advances` empty: the font's own spacing; otherwise the distance from each
    // character to the next, at least one per character (more are ignored). Throws
    // std::invalid_argument for too few advances.
    virtual void WriteText(TViewPoint at, std::string_view text, std::span<const int> advances = {},
                           const std::optional<TTextBox>& box = std::nullopt) = 0;
    // The size of `text` in the selected font, with its own spacing and the character extra.
    virtual TViewSize TextExtent(std::string_view text) const = 0;
    virtual TTextMetrics TextMetrics() const = 0;
    // Empty when the font cannot tell them (bitmap fonts, for one).
    virtual std::optional<TCharWidths> CharWidths(unsigned char character) const = 0;

    // ---- Text in a rectangle -----------------------------------------------------------------
    // Draws `text` laid out in `rect` by `format` (platform/canvas_text_box.hpp) in the selected font,
    // text colour and background mode, cut at `rect` unless tfNoClip; answers how far below the
    // rectangle's top the text ends (its height when it starts at the top), 0 for an empty text.
    virtual int DrawTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) = 0;
    // The rectangle the text takes laid out from `rect`'s top-left by `format` (lines break at its
    // width): as wide as its widest line, as high as its lines.
    virtual TViewRect MeasureTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) const = 0;

    // ---- State -------------------------------------------------------------------------------
    // Saves font, colours, background mode, character extra, clip and mapping; RestoreState brings
    // back the latest saved state (and does nothing when none is left). Prefer TSavedCanvasState.
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;
    // Narrows the clip to `rect`, or takes `rect` out of it (logical units).
    virtual void IntersectClip(const TViewRect& rect) = 0;
    virtual void ExcludeClip(const TViewRect& rect) = 0;
    // Throws std::invalid_argument for an extent of 0.
    virtual void SetMapping(const TMapping& mapping) = 0;

protected:
    TCanvas() = default;
};

// Saves the canvas state for a scope and brings it back when the scope ends.
class TSavedCanvasState {
public:
    explicit TSavedCanvasState(TCanvas& canvas) : canvas_(canvas) { canvas_.SaveState(); }
    TSavedCanvasState(const TSavedCanvasState&) = delete;
    TSavedCanvasState& operator=(const TSavedCanvasState&) = delete;
    ~TSavedCanvasState() { canvas_.RestoreState(); }

private:
    TCanvas& canvas_;
};

// Draws within `rect` for a scope: the clip before is back when the scope ends.
class TCanvasClip {
public:
    TCanvasClip(TCanvas& canvas, const TViewRect& rect) : saved_(canvas) { canvas.IntersectClip(rect); }

private:
    TSavedCanvasState saved_;
};

}  // namespace tips::platform
