#pragma once
// THeaderFooter, THeader and TFooter: lines of text items printed above the header line or below the
// footer line of every page, with macros, alignment, mirroring on even pages and an optional frame
// (a rule, a box, shading). With no items nothing at all is printed.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.hpp"
#include "print/print_font.hpp"
#include "print/print_margins.hpp"

namespace tips::print {

using TFrameTypes = std::uint8_t;
inline constexpr TFrameTypes ftLine = 1;
inline constexpr TFrameTypes ftBox = 2;
inline constexpr TFrameTypes ftShaded = 4;

enum class TAlignment : int { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

enum class THeaderFooterKind { hfkHeader, hfkFooter };

// The date and time of one layout, already as text.
struct TDateTimeTexts {
    std::string Date;
    std::string Time;
};

struct THeaderFooterItem {
    std::string Text;
    TPrintFont Font;
    int LineNumber = 0;
    TAlignment Alignment = TAlignment::taLeftJustify;
    int Index = 0;
};

// Arial, 10 points, black.
TPrintFont DefaultHeaderFooterFont();

class THeaderFooter {
public:
    virtual ~THeaderFooter() = default;
    THeaderFooter(const THeaderFooter&) = delete;
    THeaderFooter& operator=(const THeaderFooter&) = delete;

    THeaderFooterKind Kind() const { return kind_; }
    TFrameTypes FrameTypes() const { return frameTypes_; }
    void SetFrameTypes(TFrameTypes types) { frameTypes_ = types; }
    platform::TColor ShadedColor() const { return shadedColor_; }
    void SetShadedColor(platform::TColor color) { shadedColor_ = color; }
    platform::TColor LineColor() const { return lineColor_; }
    void SetLineColor(platform::TColor color) { lineColor_ = color; }
    const TPrintFont& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const TPrintFont& font) { defaultFont_ = font; }
    bool RomanNumbers() const { return romanNumbers_; }
    void SetRomanNumbers(bool value) { romanNumbers_ = value; }
    bool MirrorPosition() const { return mirrorPosition_; }
    void SetMirrorPosition(bool value) { mirrorPosition_ = value; }

    // Adds an item (without a font: a copy of DefaultFont); returns its index.
    int Add(std::string text, const TPrintFont* font, TAlignment alignment, int lineNumber);
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    // In the order of the last layout (by line), else as added.
    const THeaderFooterItem& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    // Every item's font keeps its point size at `pixelsPerInch`.
    void SetPixelsPerInch(int pixelsPerInch);

    // Before a print or preview: measures the items on `canvas` at the device's resolution and keeps
    // what the pages need (the margins are read again at every Print, for that page's values).
    void Layout(platform::TCanvas& canvas, int devicePixelsPerInch, int pageCount, const TCodeEditPrintMargins& margins,
                std::string title, TDateTimeTexts now);
    // -1 without items.
    int FrameHeight() const { return frameHeight_; }
    // Prints the frame and the items for page `page` (the engine's page plus its offset).
    void Print(platform::TCanvas& canvas, int page) const;

    // Clears the items, then copies the kind, the frame, the items, DefaultFont, RomanNumbers and
    // MirrorPosition.
    void Assign(const THeaderFooter& source);

protected:
    explicit THeaderFooter(THeaderFooterKind kind) : kind_(kind) {}

private:
    struct TLineInfo {
        int Height = 0;
        int BaseDistance = 0;
    };

    THeaderFooterKind kind_;
    TFrameTypes frameTypes_ = ftLine;
    platform::TColor shadedColor_ = platform::clSilver;
    platform::TColor lineColor_ = platform::clBlack;
    TPrintFont defaultFont_ = DefaultHeaderFooterFont();
    bool romanNumbers_ = false;
    bool mirrorPosition_ = false;
    std::vector<THeaderFooterItem> items_;

    // Captured at layout.
    const TCodeEditPrintMargins* margins_ = nullptr;
    int devicePixelsPerInch_ = kDesignPixelsPerInch;
    int pageCount_ = 0;
    std::string title_;
    TDateTimeTexts now_;
    int frameHeight_ = -1;
    std::vector<TLineInfo> lines_;
};

class THeader final : public THeaderFooter {
public:
    THeader() : THeaderFooter(THeaderFooterKind::hfkHeader) {}
};

class TFooter final : public THeaderFooter {
public:
    TFooter() : THeaderFooter(THeaderFooterKind::hfkFooter) {}
};

}  // namespace tips::print
