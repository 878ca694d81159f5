#pragma once
// The about box's texts, as Windows-1252 bytes.

namespace tips::app {

inline constexpr const char* kAboutCaption = "Acerca de Tolvanec para Visual Basic";
inline constexpr const char* kAboutVersion = "Tolvanec para vb6 v 1.29";
inline constexpr const char* kAboutCopyright = "Copyright \xA9 2026 Tolvanec Software";
inline constexpr const char* kAboutFindUs = "Pueden encontrarnos en internet en";
inline constexpr const char* kAboutMakerPortal = "Portal para programadores.";
inline constexpr const char* kAboutEducationPortal = "Portal Educativo.";

// Where the two links go: "http://" and the addresses the main window's caption names.
inline constexpr const char* kMakerJump = "http://www.tolvanec.example";
inline constexpr const char* kPortalJump = "http://www.aula-vb.example";

}  // namespace tips::app
