#include "store/tips_fields.hpp"

#include "store/memory_table.hpp"

namespace tips::store {

TTipsFields CreateTipsFields(TMemoryTable& table) {
    TTipsFields fields;
    fields.Categoria = &table.AddField<TStringField>("Categoria", 20);
    fields.Descripcion = &table.AddField<TStringField>("Descripcion", 40);
    fields.Descripcion->SetDisplayLabel("T\xEDtulo");
    fields.Truco = &table.AddField<TMemoField>("Truco");
    return fields;
}

}  // namespace tips::store
