#include "platform/canvas_calls.hpp"

#include <cstdint>
#include <cstdio>

namespace tips::platform {

namespace {

std::string Hex(TColor color) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", color);
    return text;
}

std::string HexByte(std::uint8_t byte) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

std::string Rect(const TViewRect& r) {
    return std::to_string(r.Left) + " " + std::to_string(r.Top) + " " + std::to_string(r.Right) + " " +
           std::to_string(r.Bottom);
}

std::string Point(TViewPoint p) { return std::to_string(p.X) + " " + std::to_string(p.Y); }

std::string Points(const std::vector<TViewPoint>& points) {
    std::string text;
    for (const TViewPoint& p : points) text += " " + Point(p);
    return text;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

struct TNamer {
    std::string_view operator()(const TFillCall&) const { return "fill"; }
    std::string_view operator()(const TFrameCall&) const { return "frame"; }
    std::string_view operator()(const TLineCall&) const { return "line"; }
    std::string_view operator()(const TPolylineCall&) const { return "polyline"; }
    std::string_view operator()(const TPolygonCall&) const { return "polygon"; }
    std::string_view operator()(const TEdgeCall&) const { return "edge"; }
    std::string_view operator()(const TPixelCall&) const { return "pixel"; }
    std::string_view operator()(const TInvertCall&) const { return "invert"; }
    std::string_view operator()(const TPatternCall&) const { return "pattern"; }
    std::string_view operator()(const TBitmapCall&) const { return "bitmap"; }
    std::string_view operator()(const TTextCall&) const { return "text"; }
    std::string_view operator()(const TTextBoxCall&) const { return "text-box"; }
    std::string_view operator()(const TIntersectClipCall&) const { return "clip"; }
    std::string_view operator()(const TExcludeClipCall&) const { return "exclude-clip"; }
    std::string_view operator()(const TMappingCall&) const { return "mapping"; }
    std::string_view operator()(const TSaveStateCall&) const { return "save"; }
    std::string_view operator()(const TRestoreStateCall&) const { return "restore"; }
};

struct TDescriber {
    std::string operator()(const TFillCall& c) const { return Rect(c.Rect) + " " + Hex(c.Color); }
    std::string operator()(const TFrameCall& c) const { return Rect(c.Rect) + " " + Hex(c.Color); }
    std::string operator()(const TLineCall& c) const { return Point(c.From) + " " + Point(c.To) + " " + Hex(c.Color); }
    std::string operator()(const TPolylineCall& c) const { return Hex(c.Color) + Points(c.Points); }
    std::string operator()(const TPolygonCall& c) const { return Hex(c.Color) + Points(c.Points); }
    std::string operator()(const TEdgeCall& c) const {
        return Rect(c.Rect) + " borders=" + std::to_string(c.Borders) + " sides=" + std::to_string(c.Sides);
    }
    std::string operator()(const TPixelCall& c) const { return Point(c.At) + " " + Hex(c.Color); }
    std::string operator()(const TInvertCall& c) const { return Rect(c.Rect); }
    std::string operator()(const TPatternCall& c) const {
        std::string rows;
        for (const auto row : c.Pattern.Rows) rows += " " + HexByte(row);
        return Rect(c.Rect) + rows;
    }
    std::string operator()(const TBitmapCall& c) const {
        return Quoted(c.Name) + " from " + Rect(c.Source) + " to " + Rect(c.Dest) +
               (c.Transparent ? " transparent " + Hex(*c.Transparent) : std::string());
    }
    std::string operator()(const TTextBoxCall& c) const {
        char format[16];
        std::snprintf(format, sizeof format, "0x%04X", c.Format);
        return Rect(c.Rect) + " " + Quoted(c.Text) + " format " + format + " font " + Quoted(c.Font.Face) + " " +
               std::to_string(c.Font.Height) + " style=" + std::to_string(c.Font.Style.Bits()) + " fg " +
               Hex(c.Foreground) + " bg " + Hex(c.Background) +
               (c.Mode == TBackgroundMode::bmOpaque ? " opaque" : " transparent");
    }
    std::string operator()(const TTextCall& c) const {
        std::string text = Point(c.At) + " " + Quoted(c.Text) + " font " + Quoted(c.Font.Face) + " " +
                           std::to_string(c.Font.Height) + " style=" + std::to_string(c.Font.Style.Bits()) + " fg " +
                           Hex(c.Foreground) + " bg " + Hex(c.Background) +
                           (c.Mode == TBackgroundMode::bmOpaque ? " opaque" : " transparent");
        if (c.CharacterExtra != 0) text += " extra=" + std::to_string(c.CharacterExtra);
        if (!c.Advances.empty()) {
            text += " advances";
            for (const int advance : c.Advances) text += " " + std::to_string(advance);
        }
        if (c.Box) {
            text += " box " + Rect(c.Box->Rect) + (c.Box->Opaque ? " filled" : "") + (c.Box->Clipped ? " clipped" : "");
        }
        return text;
    }
    std::string operator()(const TIntersectClipCall& c) const { return Rect(c.Rect); }
    std::string operator()(const TExcludeClipCall& c) const { return Rect(c.Rect); }
    std::string operator()(const TMappingCall& c) const {
        const TMapping& m = c.Mapping;
        return "window " + Point(m.WindowOrigin) + " " + std::to_string(m.WindowExtent.Width) + "x" +
               std::to_string(m.WindowExtent.Height) + " viewport " + Point(m.ViewportOrigin) + " " +
               std::to_string(m.ViewportExtent.Width) + "x" + std::to_string(m.ViewportExtent.Height);
    }
    std::string operator()(const TSaveStateCall&) const { return {}; }
    std::string operator()(const TRestoreStateCall&) const { return {}; }
};

}  // namespace

std::string_view CallName(const TCanvasCall& call) { return std::visit(TNamer{}, call); }

std::string Describe(const TCanvasCall& call) {
    const std::string fields = std::visit(TDescriber{}, call);
    std::string text(CallName(call));
    if (!fields.empty()) text += " " + fields;
    return text;
}

}  // namespace tips::platform
