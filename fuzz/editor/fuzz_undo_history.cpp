// Random sequences of recording, blocks, group breaks, locking, limits, undo and redo against the
// undo history, with a replay that mirrors each record as the editor does. Checks the list
// invariants after every step.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "editor/undo_history.hpp"

namespace {

using namespace tips::editor;

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckList(const TCodeEditUndoList& list) {
    Check(list.ItemCount() <= list.MaxUndo());
    for (int i = 1; i < list.ItemCount(); ++i) {
        Check(!(list.Items(i).ChangeKind == ukGroupBreak && list.Items(i - 1).ChangeKind == ukGroupBreak));
    }
}

int RealRecords(const TCodeEditUndoList& list) {
    int count = 0;
    for (int i = 0; i < list.ItemCount(); ++i) count += list.Items(i).ChangeKind != ukGroupBreak;
    return count;
}

constexpr TCodeEditUndoKind kKinds[] = {ukInsert, ukPaste, ukDropInsert, ukForwardDelete, ukDelete, ukLineBreak,
                                        ukIndent, ukUnindent, ukQuietDelete, ukQuietForwardDelete, ukPadding};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TCodeEditUndoHistory history;
    bool dropped = false;  // the size limit lost records: counts are no longer conserved
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t op = data[i];
        const std::uint8_t arg = i + 1 < size ? data[i + 1] : 0;
        auto& undo = history.UndoList();
        auto& redo = history.RedoList();
        const int before = RealRecords(undo) + RealRecords(redo);
        switch (op % 10) {
        case 0:
        case 1:
            undo.RecordChange(kKinds[arg % std::size(kKinds)], TPoint{arg, 1}, TPoint{arg + 1, 1}, "t", smNormal);
            if (!undo.Locked()) Check(history.Modified() == (undo.CanUndo() || undo.FullUndoImpossible()));
            ++i;
            break;
        case 2: undo.RecordGroupBreak(); break;
        case 3: history.OpenUndoBlock(); break;
        case 4: history.CloseUndoBlock(); break;
        case 5:
            if (arg & 1) history.SuspendUndo(); else history.ResumeUndo();
            ++i;
            break;
        case 6:
            history.SetMaxUndo(static_cast<std::int32_t>(arg % 8) - 1);
            ++i;
            break;
        default: {
            // Undo or redo; the replay puts each record's mirror on the other list, as the editor does.
            const bool groupUndo = (op & 0x80) != 0;
            const auto mirrorOnto = [](TCodeEditUndoList& to) {
                return [&to](TCodeEditUndoItem item) {
                    to.RecordChange(item.ChangeKind, item.Start, item.End, item.Text, item.SelectionMode);
                };
            };
            if (op % 10 >= 8) {
                history.Redo(groupUndo, mirrorOnto(undo));
            } else {
                history.Undo(groupUndo, mirrorOnto(redo));
            }
            break;
        }
        }
        dropped = dropped || undo.FullUndoImpossible() || redo.FullUndoImpossible() || undo.Locked();
        CheckList(undo);
        CheckList(redo);
        if (!dropped && (op % 10) >= 7) Check(RealRecords(undo) + RealRecords(redo) == before);
    }
    return 0;
}
