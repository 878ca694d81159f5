#pragma once
// The highlighters' own texts: attribute names, file filter and language title.

namespace tips::highlight::texts {

inline constexpr const char* kAttrComment = "Comment";
inline constexpr const char* kAttrIdentifier = "Identifier";
inline constexpr const char* kAttrReservedWord = "Reserved word";
inline constexpr const char* kAttrNumber = "Number";
inline constexpr const char* kAttrSpace = "Space";
inline constexpr const char* kAttrString = "String";
inline constexpr const char* kAttrSymbol = "Symbol";
inline constexpr const char* kVBFilter = "Visual Basic Files (*.bas)|*.bas";
inline constexpr const char* kVBLanguageTitle = "Visual Basic";

}  // namespace tips::highlight::texts
