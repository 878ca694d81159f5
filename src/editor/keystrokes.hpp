#pragma once
// The editor's keystroke table: an ordered list of key bindings, looked up first match wins,
// with optional two-key sequences, plus the small state that recognises such sequences.

#include <memory>
#include <vector>

#include "editor/editor_commands.hpp"
#include "editor/shortcut.hpp"

namespace tips::editor {

class TCodeEditKeyStrokes;

// One binding: key and modifiers, an optional second key and its modifiers, and the command.
class TCodeEditKeyStroke {
public:
    // Only a table creates entries.
    class OwnerToken {
        friend class TCodeEditKeyStrokes;
        OwnerToken() = default;
    };
    TCodeEditKeyStroke(OwnerToken, const TCodeEditKeyStrokes& owner) : owner_(&owner) {}
    TCodeEditKeyStroke(const TCodeEditKeyStroke&) = delete;
    TCodeEditKeyStroke& operator=(const TCodeEditKeyStroke&) = delete;

    TVirtualKey Key() const { return key_; }
    TShiftState Shift() const { return shift_; }
    TVirtualKey Key2() const { return key2_; }
    TShiftState Shift2() const { return shift2_; }

    TCodeEditorCommand Command() const { return command_; }
    void SetCommand(TCodeEditorCommand command) { command_ = command; }

    TShortCut ShortCut() const;
    // Throws ECodeKeyError "Shortcut already exists" when another entry of the table is bound to
    // the same keys; the entry then keeps its old keys.
    void SetShortCut(TShortCut shortCut);

    TShortCut ShortCut2() const;
    void SetShortCut2(TShortCut shortCut2);  // same check, for the second key

    // Copies the five fields as they are, without the duplicate check.
    void Assign(const TCodeEditKeyStroke& other);

    int Index() const;

private:
    friend class TCodeEditKeyStrokes;

    const TCodeEditKeyStrokes* owner_;
    TVirtualKey key_ = 0;
    TShiftState shift_ = 0;
    TVirtualKey key2_ = 0;
    TShiftState shift2_ = 0;
    TCodeEditorCommand command_ = ecNone;
};

// The ordered collection; entries keep their address while they are in it.
class TCodeEditKeyStrokes {
public:
    TCodeEditKeyStrokes() = default;
    TCodeEditKeyStrokes(const TCodeEditKeyStrokes&) = delete;
    TCodeEditKeyStrokes& operator=(const TCodeEditKeyStrokes&) = delete;

    // Appends an entry with every field zero.
    TCodeEditKeyStroke& Add();
    void Delete(int index);
    void Clear();
    // Clear, then a copy of each of the other table's entries.
    void Assign(const TCodeEditKeyStrokes& other);

    int Count() const { return static_cast<int>(items_.size()); }
    TCodeEditKeyStroke& Items(int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const TCodeEditKeyStroke& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }

    // Index of the first entry with that key and shift and no second key, or -1.
    int FindKeyEntry(TVirtualKey key, TShiftState shift) const;
    // Index of the first entry matching all four, or -1.
    int FindKeyPairEntry(TVirtualKey key, TShiftState shift, TVirtualKey key2, TShiftState shift2) const;
    // Index of the first entry whose ShortCut and ShortCut2 equal the two values, or -1.
    int FindShortCutPairEntry(TShortCut shortCut, TShortCut shortCut2) const;
    // Index of the first entry bound to the command, or -1.
    int FindCommand(TCodeEditorCommand command) const;

    // Clear, then the 82 bindings a new editor starts with.
    void LoadDefaultKeys();

private:
    friend class TCodeEditKeyStroke;
    int IndexOf(const TCodeEditKeyStroke& stroke) const;

    std::vector<std::unique_ptr<TCodeEditKeyStroke>> items_;
};

// Turns key presses into commands through a table, remembering an unbound key so that it can
// start a two-key sequence.
class TCodeEditKeyTranslator {
public:
    // The command bound to the key (or to the remembered key followed by this one), or ecNone.
    // An unbound key with a code in 30..145 is remembered; any other key, or a found command,
    // forgets it.
    TCodeEditorCommand KeyToCommand(const TCodeEditKeyStrokes& keys, TVirtualKey key, TShiftState shift);

    void Forget() { lastKey_ = 0; lastShift_ = 0; }
    TVirtualKey LastKey() const { return lastKey_; }
    TShiftState LastShift() const { return lastShift_; }

private:
    TVirtualKey lastKey_ = 0;
    TShiftState lastShift_ = 0;
};

}  // namespace tips::editor
