#pragma once
// The colours our own skin is painted in: light grey faces, a blue title bar, blue accents.

#include "skin_canvas.hpp"

namespace tips::skin::art::palette {

inline constexpr Rgb face{204, 204, 204};  // the skin's ButtonFace
inline constexpr Rgb faceLight{221, 221, 221};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb paper{250, 250, 250};
inline constexpr Rgb shadow{153, 153, 153};
inline constexpr Rgb darkShadow{102, 102, 102};
inline constexpr Rgb glyphDark{48, 48, 48};

inline constexpr Rgb titleTop{84, 130, 204};
inline constexpr Rgb titleBottom{40, 80, 152};
inline constexpr Rgb frameOuter{20, 40, 88};
inline constexpr Rgb frameMid{52, 94, 168};
inline constexpr Rgb frameInner{36, 70, 134};

inline constexpr Rgb idleTop{156, 166, 184};
inline constexpr Rgb idleBottom{124, 134, 154};
inline constexpr Rgb idleOuter{88, 96, 112};
inline constexpr Rgb idleMid{136, 146, 164};
inline constexpr Rgb idleInner{116, 126, 144};

inline constexpr Rgb accent{52, 96, 170};       // button and selection blue
inline constexpr Rgb accentDark{30, 56, 110};   // its border
inline constexpr Rgb accentLight{120, 160, 222};
inline constexpr Rgb hotFace{230, 237, 248};    // a face under the mouse
inline constexpr Rgb pressedFace{178, 192, 216};
inline constexpr Rgb disabledFace{214, 214, 214};
inline constexpr Rgb disabledBorder{165, 165, 165};
inline constexpr Rgb disabledGlyph{160, 160, 160};

inline constexpr Rgb closeFace{192, 62, 50};
inline constexpr Rgb closeHot{226, 94, 78};
inline constexpr Rgb closePressed{144, 38, 30};

}  // namespace tips::skin::art::palette
