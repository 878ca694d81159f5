#pragma once
// Messages of the tips store, byte for byte in Windows-1252. %s marks where a name or path goes.

namespace tips::store::texts {

inline constexpr const char* kNoRecords = "No Records";
inline constexpr const char* kBookmarkNotFound = "Bookmark not found";
inline constexpr const char* kUnsupportedFieldType = "Unsupported field type: %s";
inline constexpr const char* kNotEditing = "La fuente de datos no est\xE1 en modo edici\xF3n o inserci\xF3n";
inline constexpr const char* kFieldReadOnly = "El campo '%s' no puede ser modificado";
inline constexpr const char* kEmptyDataSet = "No puede ejecutarse esta operaci\xF3n en una fuente de datos vac\xED" "a";
inline constexpr const char* kClosedDataSet = "No puede ejecutarse esta operaci\xF3n en una fuente de datos cerrada";
inline constexpr const char* kReadOnlyDataSet = "No puede modificarse una fuente de datos de s\xF3lo lectura";
inline constexpr const char* kFieldNotFound = "Campo '%s' no encontrado";

inline constexpr const char* kCannotOpenFile = "Cannot open file %s";
inline constexpr const char* kCannotCreateFile = "Cannot create file %s";
inline constexpr const char* kStreamWriteError = "Stream write error";
inline constexpr const char* kDataIncorrect = "The data is incorrect";

}  // namespace tips::store::texts
