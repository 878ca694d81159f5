#pragma once
// Fonts made by GDI: a TFont that owns its HFONT, the factory that makes them, and the conversions
// between a font description and a LOGFONT.

#include <windows.h>

#include <memory>

#include "platform/font.hpp"
#include "platform/win32/gdi_object.hpp"

namespace tips::platform {

class TGdiFont final : public TFont {
public:
    explicit TGdiFont(const TFontDescription& description);

    HFONT Handle() const { return handle_.get(); }

private:
    TFontHandle handle_;
};

class TGdiFontFactory final : public TFontFactory {
public:
    std::unique_ptr<TFont> MakeFont(const TFontDescription& description) const override;
};

const TGdiFontFactory& GdiFonts();

// The LOGFONT a description stands for: weight 700 with fsBold and 400 without, default precision
// and quality, the pitch with "don't care" family.
LOGFONTA LogFontOf(const TFontDescription& description);
// What a font handle describes (weights from 600 up count as bold); an empty description for a
// handle that is no font.
TFontDescription DescribeFont(HFONT font);

}  // namespace tips::platform
