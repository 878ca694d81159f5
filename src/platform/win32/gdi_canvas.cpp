#include "platform/win32/gdi_canvas.hpp"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

#include "platform/win32/gdi_font.hpp"
#include "platform/win32/gdi_system_colors.hpp"

namespace tips::platform {

namespace {

RECT ToRect(const TViewRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

std::vector<POINT> ToPoints(std::span<const TViewPoint> points) {
    std::vector<POINT> result;
    result.reserve(points.size());
    for (const TViewPoint& p : points) result.push_back({p.X, p.Y});
    return result;
}

// A 32-bit top-down DIB pixel: blue in the low byte.
std::uint32_t DibPixel(TColor color) {
    return static_cast<std::uint32_t>(BlueOf(color)) | static_cast<std::uint32_t>(GreenOf(color)) << 8 |
           static_cast<std::uint32_t>(RedOf(color)) << 16;
}

}  // namespace

// A device-independent bitmap selected into a memory context, that parts of our bitmaps are copied
// into for blitting. One per canvas, grown as needed: skins draw many small tiles in one paint, and a
// context and a section per tile cost far more than copying the tile's pixels.
class TGdiCanvas::TScratchBitmap {
public:
    explicit TScratchBitmap(HDC target) : dc_(target) {}

    // Copies `part` of `bitmap` to the scratch's top-left corner; false when no bitmap could be made.
    // `transparentSeen` tells whether a pixel of the part has the transparent colour.
    bool Load(const TBitmap& bitmap, const TViewRect& part, std::optional<TColor> transparent, bool& transparentSeen) {
        transparentSeen = false;
        const int width = part.Right - part.Left;
        const int height = part.Bottom - part.Top;
        if (!Reserve(width, height)) return false;
        GdiFlush();  // the previous blit from the section has finished
        const std::span<const TColor> source = bitmap.Pixels();
        for (int y = 0; y < height; ++y) {
            const std::size_t from = static_cast<std::size_t>(part.Top + y) * static_cast<std::size_t>(bitmap.Width()) +
                                     static_cast<std::size_t>(part.Left);
            std::uint32_t* row = bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
            for (int x = 0; x < width; ++x) {
                const TColor pixel = source[from + static_cast<std::size_t>(x)];
                if (transparent && pixel == (*transparent & 0xFFFFFF)) transparentSeen = true;
                row[x] = DibPixel(pixel);
            }
        }
        return true;
    }

    HDC get() const { return dc_.get(); }

private:
    bool Reserve(int width, int height) {
        if (bitmap_ && width <= width_ && height <= height_) return true;
        selected_.reset();
        width_ = std::max(width, width_);
        height_ = std::max(height, height_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap_ || !bits) {
            bitmap_.reset();
            width_ = height_ = 0;
            return false;
        }
        bits_ = static_cast<std::uint32_t*>(bits);
        selected_.emplace(dc_.get(), bitmap_.get());
        return true;
    }

    TMemoryDC dc_;
    TBitmapHandle bitmap_;
    std::optional<TSelectObject> selected_;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

TGdiCanvas::TGdiCanvas(HDC dc) : dc_(dc), saved_(dc) {}

TGdiCanvas::~TGdiCanvas() = default;

const TSystemColors& TGdiCanvas::SystemColors() const { return GdiSystemColors(); }

void TGdiCanvas::FillRect(const TViewRect& rect, TColor color) {
    const TBrushHandle brush(CreateSolidBrush(Resolve(color)));
    const RECT r = ToRect(rect);
    ::FillRect(dc_, &r, brush.get());
}

void TGdiCanvas::FrameRect(const TViewRect& rect, TColor color) {
    const TBrushHandle brush(CreateSolidBrush(Resolve(color)));
    const RECT r = ToRect(rect);
    ::FrameRect(dc_, &r, brush.get());
}

void TGdiCanvas::Line(TViewPoint from, TViewPoint to, TColor color) {
    const TPenHandle pen(CreatePen(PS_SOLID, 1, Resolve(color)));
    const TSelectObject selected(dc_, pen.get());
    MoveToEx(dc_, from.X, from.Y, nullptr);
    LineTo(dc_, to.X, to.Y);
}

void TGdiCanvas::Polyline(std::span<const TViewPoint> points, TColor color) {
    if (points.size() < 2) return;
    const TPenHandle pen(CreatePen(PS_SOLID, 1, Resolve(color)));
    const TSelectObject selected(dc_, pen.get());
    const std::vector<POINT> gdiPoints = ToPoints(points);
    ::Polyline(dc_, gdiPoints.data(), static_cast<int>(gdiPoints.size()));
}

void TGdiCanvas::Polygon(std::span<const TViewPoint> points, TColor color) {
    if (points.size() < 2) return;
    const COLORREF rgb = Resolve(color);
    const TPenHandle pen(CreatePen(PS_SOLID, 1, rgb));
    const TBrushHandle brush(CreateSolidBrush(rgb));
    const TSelectObject selectedPen(dc_, pen.get());
    const TSelectObject selectedBrush(dc_, brush.get());
    const std::vector<POINT> gdiPoints = ToPoints(points);
    ::Polygon(dc_, gdiPoints.data(), static_cast<int>(gdiPoints.size()));
}

void TGdiCanvas::DrawEdge(const TViewRect& rect, TEdgeBorders borders, TEdgeSides sides) {
    RECT r = ToRect(rect);
    ::DrawEdge(dc_, &r, borders, sides);
}

void TGdiCanvas::SetPixel(TViewPoint at, TColor color) { SetPixelV(dc_, at.X, at.Y, Resolve(color)); }

void TGdiCanvas::InvertRect(const TViewRect& rect) {
    PatBlt(dc_, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top, DSTINVERT);
}

void TGdiCanvas::AndPattern(const TViewRect& rect, const TPattern8& pattern) {
    constexpr DWORD kPatAnd = 0xA000C9;  // destination AND pattern
    // A monochrome bitmap's rows are word-aligned; set bits take the background colour (white, which
    // keeps the destination), clear bits the text colour (black).
    WORD rows[8];
    for (std::size_t i = 0; i < 8; ++i) rows[i] = pattern.Rows[i];
    const TBitmapHandle bits(CreateBitmap(8, 8, 1, 1, rows));
    const TBrushHandle brush(CreatePatternBrush(bits.get()));
    const TSavedDC saved(dc_);
    SelectObject(dc_, brush.get());
    ::SetTextColor(dc_, RGB(0, 0, 0));
    ::SetBkColor(dc_, RGB(255, 255, 255));
    PatBlt(dc_, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top, kPatAnd);
}

void TGdiCanvas::DrawBitmap(const TBitmap& bitmap, const TViewRect& source, const TViewRect& dest,
                            std::optional<TColor> transparent) {
    if (!bitmap.Holds(source)) throw std::out_of_range("bitmap part outside the bitmap");
    if (source.IsEmpty() || dest.IsEmpty()) return;
    if (!scratch_) scratch_ = std::make_unique<TScratchBitmap>(dc_);
    bool transparentSeen = false;
    if (!scratch_->Load(bitmap, source, transparent, transparentSeen)) return;
    const HDC part = scratch_->get();
    const int sourceWidth = source.Right - source.Left;
    const int sourceHeight = source.Bottom - source.Top;
    const int width = dest.Right - dest.Left;
    const int height = dest.Bottom - dest.Top;
    // A part without a transparent pixel is copied plainly: transparent blitting is far slower.
    if (transparentSeen) {
        GdiTransparentBlt(dc_, dest.Left, dest.Top, width, height, part, 0, 0, sourceWidth, sourceHeight,
                          *transparent & 0xFFFFFF);
    } else if (width == sourceWidth && height == sourceHeight) {
        BitBlt(dc_, dest.Left, dest.Top, width, height, part, 0, 0, SRCCOPY);
    } else {
        const TSavedDC saved(dc_);
        SetStretchBltMode(dc_, COLORONCOLOR);
        StretchBlt(dc_, dest.Left, dest.Top, width, height, part, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    }
}

const TFontFactory& TGdiCanvas::Fonts() const { return GdiFonts(); }

HFONT TGdiCanvas::FontFor(const TFontDescription& description) {
    for (const TMadeFont& made : madeFonts_) {
        if (made.Description == description) return made.Handle.get();
    }
    const LOGFONTA font = LogFontOf(description);
    madeFonts_.push_back({description, TFontHandle(CreateFontIndirectA(&font))});
    return madeFonts_.back().Handle.get();
}

void TGdiCanvas::SetFont(const TFont& font) {
    const auto* gdi = dynamic_cast<const TGdiFont*>(&font);
    const HFONT handle = gdi ? gdi->Handle() : FontFor(font.Description());
    if (handle) SelectObject(dc_, handle);
}

void TGdiCanvas::SetTextColor(TColor color) { ::SetTextColor(dc_, Resolve(color)); }

void TGdiCanvas::SetBackColor(TColor color) { ::SetBkColor(dc_, Resolve(color)); }

void TGdiCanvas::SetBackgroundMode(TBackgroundMode mode) {
    SetBkMode(dc_, mode == TBackgroundMode::bmOpaque ? OPAQUE : TRANSPARENT);
}

void TGdiCanvas::SetCharacterExtra(int extra) { SetTextCharacterExtra(dc_, extra); }

void TGdiCanvas::WriteText(TViewPoint at, std::string_view text, std::span<const int> advances,
                           const std::optional<TTextBox>& box) {
    if (!advances.empty() && advances.size() < text.size()) throw std::invalid_argument("fewer advances than characters");
    UINT options = 0;
    RECT rect{};
    if (box) {
        rect = ToRect(box->Rect);
        if (box->Opaque) options |= ETO_OPAQUE;
        if (box->Clipped) options |= ETO_CLIPPED;
    }
    ExtTextOutA(dc_, at.X, at.Y, options, box ? &rect : nullptr, text.data(), static_cast<UINT>(text.size()),
                advances.empty() ? nullptr : advances.data());
}

TViewSize TGdiCanvas::TextExtent(std::string_view text) const {
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

TTextMetrics TGdiCanvas::TextMetrics() const {
    TEXTMETRICA tm{};
    GetTextMetricsA(dc_, &tm);
    TTextMetrics metrics;
    metrics.Height = tm.tmHeight;
    metrics.Ascent = tm.tmAscent;
    metrics.Descent = tm.tmDescent;
    metrics.InternalLeading = tm.tmInternalLeading;
    metrics.ExternalLeading = tm.tmExternalLeading;
    metrics.AverageCharWidth = tm.tmAveCharWidth;
    metrics.MaxCharWidth = tm.tmMaxCharWidth;
    metrics.Overhang = tm.tmOverhang;
    return metrics;
}

std::optional<TCharWidths> TGdiCanvas::CharWidths(unsigned char character) const {
    ABC abc{};
    if (!GetCharABCWidthsA(dc_, character, character, &abc)) return std::nullopt;
    return TCharWidths{abc.abcA, static_cast<int>(abc.abcB), abc.abcC};
}

// The format flags are DrawText's own.
static_assert(tfCenter == DT_CENTER && tfRight == DT_RIGHT && tfVCenter == DT_VCENTER && tfBottom == DT_BOTTOM);
static_assert(tfWordBreak == DT_WORDBREAK && tfSingleLine == DT_SINGLELINE && tfExpandTabs == DT_EXPANDTABS);
static_assert(tfNoClip == DT_NOCLIP && tfNoPrefix == DT_NOPREFIX && tfEditControl == DT_EDITCONTROL);
static_assert(tfPathEllipsis == DT_PATH_ELLIPSIS && tfEndEllipsis == DT_END_ELLIPSIS);

namespace {
// DrawText may write into the text with some flags; only the flags above reach it.
constexpr UINT kTextFormats = tfCenter | tfRight | tfVCenter | tfBottom | tfWordBreak | tfSingleLine | tfExpandTabs |
                              tfNoClip | tfNoPrefix | tfEditControl | tfPathEllipsis | tfEndEllipsis;
}  // namespace

int TGdiCanvas::DrawTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) {
    if (text.empty()) return 0;
    RECT r = ToRect(rect);
    return DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &r, format & kTextFormats);
}

TViewRect TGdiCanvas::MeasureTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) const {
    // DrawText leaves the rectangle as it is for an empty text.
    if (text.empty()) {
        return {rect.Left, rect.Top, rect.Left, rect.Top + ((format & tfSingleLine) ? TextMetrics().Height : 0)};
    }
    RECT r = ToRect(rect);
    DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &r, (format & kTextFormats) | DT_CALCRECT);
    return {r.left, r.top, r.right, r.bottom};
}

void TGdiCanvas::SaveState() {
    const int level = SaveDC(dc_);
    if (level != 0) levels_.push_back(level);
}

void TGdiCanvas::RestoreState() {
    if (levels_.empty()) return;
    RestoreDC(dc_, levels_.back());
    levels_.pop_back();
}

void TGdiCanvas::IntersectClip(const TViewRect& rect) {
    IntersectClipRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TGdiCanvas::ExcludeClip(const TViewRect& rect) { ExcludeClipRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom); }

void TGdiCanvas::SetMapping(const TMapping& mapping) {
    mapping.Validate();
    if (mapping.Unscaled()) {
        SetMapMode(dc_, MM_TEXT);
    } else {
        SetMapMode(dc_, MM_ANISOTROPIC);
        // The window extent first: Windows checks the viewport extent against it.
        SetWindowExtEx(dc_, mapping.WindowExtent.Width, mapping.WindowExtent.Height, nullptr);
        SetViewportExtEx(dc_, mapping.ViewportExtent.Width, mapping.ViewportExtent.Height, nullptr);
    }
    SetWindowOrgEx(dc_, mapping.WindowOrigin.X, mapping.WindowOrigin.Y, nullptr);
    SetViewportOrgEx(dc_, mapping.ViewportOrigin.X, mapping.ViewportOrigin.Y, nullptr);
}

}  // namespace tips::platform
