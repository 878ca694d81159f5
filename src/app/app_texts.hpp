#pragma once
// The application shell's own texts, as Windows-1252 bytes.

#include <string>

namespace tips::app {

inline constexpr const char* kMakerAddress = "www.tolvanec.example";
inline constexpr const char* kPortalAddress = "www.aula-vb.example";

// "Tolvanec de " followed by the maker's address.
inline constexpr const char* kApplicationTitle = "Tolvanec de www.tolvanec.example";

// "Tolvanec de Visual Basic 6   -   " maker "  -   " portal.
inline constexpr const char* kMainCaption =
    "Tolvanec de Visual Basic 6   -   www.tolvanec.example  -   www.aula-vb.example";

inline constexpr const char* kTipsFileName = "trucos.dat";

// The start of the message shown when the tips could not be written at exit; the file and the reason follow.
inline const std::string kTipsNotSavedPrefix = "No se han guardado los trucos: no se pudo escribir ";

// The notice after a start that could not read the whole tips file: the file, then where its bytes are.
inline const std::string kSomeTipsUnreadPrefix = "Algunos trucos no se pudieron leer de ";
inline const std::string kOriginalKeptPrefix = " El archivo original se ha guardado en ";
inline constexpr const char* kNoBackupNoSave =
    " No se pudo guardar una copia del archivo original, y no se sobrescribir\xE1 al salir.";

}  // namespace tips::app

namespace tips::app {

// Menu, search and status texts of the main window.
inline constexpr const char* kMenuEdicion = "Edici\xF3n";
inline constexpr const char* kTituloCaption = "T\xEDtulo";
inline constexpr const char* kSortedByPrefix = "Ordenado por ";

// The question asked when the main window closes with a tip still being edited or inserted.
inline constexpr const char* kSaveChangesQuestion = "Guardar los cambios";
inline constexpr const char* kConfirmCaption = "Confirmar";

}  // namespace tips::app
