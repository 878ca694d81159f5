#pragma once
// The skin subsystem's own texts, byte for byte.

namespace tips::skin::texts {

// Shown in a plain message box when an archive's version is not 20000.
inline constexpr const char* kOlderSkinFile = "This is Older Skin File\rPlease update to new version !";

inline constexpr const char* kLzhNoMemory = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhFreeError = "LZH : Error freeing memory for dictionary tables";

}  // namespace tips::skin::texts
