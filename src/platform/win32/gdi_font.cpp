#include "platform/win32/gdi_font.hpp"

#include <cstring>

namespace tips::platform {

namespace {

BYTE PitchOf(TFontPitch pitch) {
    switch (pitch) {
        case TFontPitch::fpFixed: return FIXED_PITCH;
        case TFontPitch::fpVariable: return VARIABLE_PITCH;
        case TFontPitch::fpDefault: break;
    }
    return DEFAULT_PITCH;
}

TFontPitch PitchFrom(BYTE pitchAndFamily) {
    switch (pitchAndFamily & 0x03) {
        case FIXED_PITCH: return TFontPitch::fpFixed;
        case VARIABLE_PITCH: return TFontPitch::fpVariable;
        default: return TFontPitch::fpDefault;
    }
}

}  // namespace

LOGFONTA LogFontOf(const TFontDescription& description) {
    LOGFONTA font{};
    font.lfHeight = description.Height;
    font.lfWeight = description.Style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = description.Style.Contains(fsItalic) ? TRUE : FALSE;
    font.lfUnderline = description.Style.Contains(fsUnderline) ? TRUE : FALSE;
    font.lfStrikeOut = description.Style.Contains(fsStrikeOut) ? TRUE : FALSE;
    font.lfCharSet = description.CharSet;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = static_cast<BYTE>(PitchOf(description.Pitch) | FF_DONTCARE);
    std::strncpy(font.lfFaceName, description.Face.c_str(), LF_FACESIZE - 1);
    return font;
}

TFontDescription DescribeFont(HFONT handle) {
    LOGFONTA font{};
    if (!handle || GetObjectA(handle, sizeof font, &font) == 0) return {};
    TFontDescription description;
    description.Face = font.lfFaceName;
    description.Height = font.lfHeight;
    std::uint8_t style = 0;
    if (font.lfWeight >= FW_SEMIBOLD) style |= fsBold;
    if (font.lfItalic) style |= fsItalic;
    if (font.lfUnderline) style |= fsUnderline;
    if (font.lfStrikeOut) style |= fsStrikeOut;
    description.Style = TFontStyles::FromBits(style);
    description.CharSet = font.lfCharSet;
    description.Pitch = PitchFrom(font.lfPitchAndFamily);
    return description;
}

TGdiFont::TGdiFont(const TFontDescription& description) : TFont(description) {
    const LOGFONTA font = LogFontOf(description);
    handle_.reset(CreateFontIndirectA(&font));
}

std::unique_ptr<TFont> TGdiFontFactory::MakeFont(const TFontDescription& description) const {
    return std::make_unique<TGdiFont>(description);
}

const TGdiFontFactory& GdiFonts() {
    static const TGdiFontFactory fonts;
    return fonts;
}

}  // namespace tips::platform
