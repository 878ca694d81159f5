#pragma once
// The three fields of the tips table, in the order the tips file lists them.

#include "store/field.hpp"

namespace tips::store {

class TMemoryTable;

struct TTipsFields {
    TStringField* Categoria = nullptr;     // 20 characters
    TStringField* Descripcion = nullptr;   // 40 characters, shown as "Título"
    TMemoField* Truco = nullptr;           // the code
};

// Adds "Categoria", "Descripcion" and "Truco" to a closed table.
TTipsFields CreateTipsFields(TMemoryTable& table);

}  // namespace tips::store
