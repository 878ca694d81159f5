#pragma once
// The calls a recording canvas keeps: one plain value per drawing call, with the state it drew in
// (a text run carries its font, colours, background mode and advances), so that tests compare them
// with == and tipstool can print them field by field. CallName gives each kind a short stable name
// for such listings; Describe a one-line text for test failures.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/canvas.hpp"

namespace tips::platform {

struct TFillCall {
    TViewRect Rect;
    TColor Color = 0;
    friend bool operator==(const TFillCall&, const TFillCall&) = default;
};
struct TFrameCall {
    TViewRect Rect;
    TColor Color = 0;
    friend bool operator==(const TFrameCall&, const TFrameCall&) = default;
};
struct TLineCall {
    TViewPoint From;
    TViewPoint To;
    TColor Color = 0;
    friend bool operator==(const TLineCall&, const TLineCall&) = default;
};
struct TPolylineCall {
    std::vector<TViewPoint> Points;
    TColor Color = 0;
    friend bool operator==(const TPolylineCall&, const TPolylineCall&) = default;
};
struct TPolygonCall {
    std::vector<TViewPoint> Points;
    TColor Color = 0;
    friend bool operator==(const TPolygonCall&, const TPolygonCall&) = default;
};
struct TEdgeCall {
    TViewRect Rect;
    TEdgeBorders Borders = 0;
    TEdgeSides Sides = bfRect;
    friend bool operator==(const TEdgeCall&, const TEdgeCall&) = default;
};
struct TPixelCall {
    TViewPoint At;
    TColor Color = 0;
    friend bool operator==(const TPixelCall&, const TPixelCall&) = default;
};
struct TInvertCall {
    TViewRect Rect;
    friend bool operator==(const TInvertCall&, const TInvertCall&) = default;
};
struct TPatternCall {
    TViewRect Rect;
    TPattern8 Pattern;
    friend bool operator==(const TPatternCall&, const TPatternCall&) = default;
};
struct TBitmapCall {
    std::string Name;
    TViewRect Source;
    TViewRect Dest;
    std::optional<TColor> Transparent;
    friend bool operator==(const TBitmapCall&, const TBitmapCall&) = default;
};
struct TTextCall {
    TViewPoint At;
    std::string Text;
    TFontDescription Font;
    TColor Foreground = clBlack;
    TColor Background = clWhite;
    TBackgroundMode Mode = TBackgroundMode::bmOpaque;
    int CharacterExtra = 0;
    // One per character (empty: the font's own spacing).
    std::vector<int> Advances;
    std::optional<TTextBox> Box;
    friend bool operator==(const TTextCall&, const TTextCall&) = default;
};
// Text laid out in a rectangle (DrawTextBox), with the state it was drawn in.
struct TTextBoxCall {
    TViewRect Rect;
    std::string Text;
    TTextFormat Format = 0;
    TFontDescription Font;
    TColor Foreground = clBlack;
    TColor Background = clWhite;
    TBackgroundMode Mode = TBackgroundMode::bmOpaque;
    friend bool operator==(const TTextBoxCall&, const TTextBoxCall&) = default;
};
struct TIntersectClipCall {
    TViewRect Rect;
    friend bool operator==(const TIntersectClipCall&, const TIntersectClipCall&) = default;
};
struct TExcludeClipCall {
    TViewRect Rect;
    friend bool operator==(const TExcludeClipCall&, const TExcludeClipCall&) = default;
};
struct TMappingCall {
    TMapping Mapping;
    friend bool operator==(const TMappingCall&, const TMappingCall&) = default;
};
struct TSaveStateCall {
    friend bool operator==(const TSaveStateCall&, const TSaveStateCall&) = default;
};
struct TRestoreStateCall {
    friend bool operator==(const TRestoreStateCall&, const TRestoreStateCall&) = default;
};

using TCanvasCall = std::variant<TFillCall, TFrameCall, TLineCall, TPolylineCall, TPolygonCall, TEdgeCall, TPixelCall,
                                 TInvertCall, TPatternCall, TBitmapCall, TTextCall, TTextBoxCall, TIntersectClipCall,
                                 TExcludeClipCall, TMappingCall, TSaveStateCall, TRestoreStateCall>;

// "fill", "frame", "line", "polyline", "polygon", "edge", "pixel", "invert", "pattern", "bitmap",
// "text", "text-box", "clip", "exclude-clip", "mapping", "save", "restore".
std::string_view CallName(const TCanvasCall& call);
// The name and the fields, colours in hexadecimal: "fill 0 0 10 10 0x8000000F".
std::string Describe(const TCanvasCall& call);

template <typename T>
concept CanvasCall = requires(const T& call) { TCanvasCall(call); } && !std::is_same_v<T, TCanvasCall>;

// For test failure messages (GoogleTest looks these up by the argument's namespace).
inline void PrintTo(const TCanvasCall& call, std::ostream* out) { *out << Describe(call); }
template <CanvasCall T>
void PrintTo(const T& call, std::ostream* out) {
    *out << Describe(TCanvasCall(call));
}

}  // namespace tips::platform
