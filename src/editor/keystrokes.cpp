#include "editor/keystrokes.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "editor/editor_errors.hpp"

namespace tips::editor {
namespace {

constexpr const char* kDuplicateShortCut = "Shortcut already exists";

struct DefaultKey {
    TCodeEditorCommand command;
    TVirtualKey key;
    TShiftState shift;
};

constexpr TShiftState kNone = 0;
constexpr TShiftState kCtrlShift = ssCtrl | ssShift;

// The bindings of a new editor, in lookup order (digits follow below).
constexpr std::array<DefaultKey, 62> kDefaultKeys{{
    {ecUp, vkUp, kNone},
    {ecSelUp, vkUp, ssShift},
    {ecScrollUp, vkUp, ssCtrl},
    {ecDown, vkDown, kNone},
    {ecSelDown, vkDown, ssShift},
    {ecScrollDown, vkDown, ssCtrl},
    {ecLeft, vkLeft, kNone},
    {ecSelLeft, vkLeft, ssShift},
    {ecWordLeft, vkLeft, ssCtrl},
    {ecSelWordLeft, vkLeft, kCtrlShift},
    {ecRight, vkRight, kNone},
    {ecSelRight, vkRight, ssShift},
    {ecWordRight, vkRight, ssCtrl},
    {ecSelWordRight, vkRight, kCtrlShift},
    {ecPageDown, vkNext, kNone},
    {ecSelPageDown, vkNext, ssShift},
    {ecPageBottom, vkNext, ssCtrl},
    {ecSelPageBottom, vkNext, kCtrlShift},
    {ecPageUp, vkPrior, kNone},
    {ecSelPageUp, vkPrior, ssShift},
    {ecPageTop, vkPrior, ssCtrl},
    {ecSelPageTop, vkPrior, kCtrlShift},
    {ecLineStart, vkHome, kNone},
    {ecSelLineStart, vkHome, ssShift},
    {ecEditorTop, vkHome, ssCtrl},
    {ecSelEditorTop, vkHome, kCtrlShift},
    {ecLineEnd, vkEnd, kNone},
    {ecSelLineEnd, vkEnd, ssShift},
    {ecEditorBottom, vkEnd, ssCtrl},
    {ecSelEditorBottom, vkEnd, kCtrlShift},
    {ecToggleMode, vkInsert, kNone},
    {ecCopy, vkInsert, ssCtrl},
    {ecCut, vkDelete, ssShift},
    {ecPaste, vkInsert, ssShift},
    {ecDeleteChar, vkDelete, kNone},
    {ecDeleteLastChar, vkBack, kNone},
    {ecDeleteLastChar, vkBack, ssShift},
    {ecDeleteLastWord, vkBack, ssCtrl},
    {ecUndo, vkBack, ssAlt},
    {ecRedo, vkBack, ssAlt | ssShift},
    {ecLineBreak, vkReturn, kNone},
    {ecLineBreak, vkReturn, ssShift},
    {ecTab, vkTab, kNone},
    {ecShiftTab, vkTab, ssShift},
    {ecContextHelp, vkF1, ssCtrl},
    {ecSelectAll, 'A', ssCtrl},
    {ecCopy, 'C', ssCtrl},
    {ecPaste, 'V', ssCtrl},
    {ecCut, 'X', ssCtrl},
    {ecBlockIndent, 'I', kCtrlShift},
    {ecBlockUnindent, 'U', kCtrlShift},
    {ecLineBreak, 'M', ssCtrl},
    {ecInsertLine, 'N', ssCtrl},
    {ecDeleteWord, 'T', ssCtrl},
    {ecDeleteLine, 'Y', ssCtrl},
    {ecDeleteEOL, 'Y', kCtrlShift},
    {ecUndo, 'Z', ssCtrl},
    {ecRedo, 'Z', kCtrlShift},
    // Ctrl+digit and Ctrl+Shift+digit are inserted here by LoadDefaultKeys.
    {ecNormalSelect, 'N', kCtrlShift},
    {ecColumnSelect, 'C', kCtrlShift},
    {ecLineSelect, 'L', kCtrlShift},
    {ecMatchBracket, 'B', kCtrlShift},
}};
constexpr std::size_t kDigitsInsertAt = 58;

}  // namespace

TShortCut TCodeEditKeyStroke::ShortCut() const { return editor::ShortCut(key_, shift_); }

TShortCut TCodeEditKeyStroke::ShortCut2() const { return editor::ShortCut(key2_, shift2_); }

void TCodeEditKeyStroke::SetShortCut(TShortCut shortCut) {
    if (shortCut != 0) {
        const int found = owner_->FindShortCutPairEntry(shortCut, ShortCut2());
        if (found >= 0 && &owner_->Items(found) != this) throw ECodeKeyError(kDuplicateShortCut);
    }
    key_ = ShortCutKey(shortCut);
    shift_ = ShortCutShift(shortCut);
}

void TCodeEditKeyStroke::SetShortCut2(TShortCut shortCut2) {
    if (shortCut2 != 0) {
        const int found = owner_->FindShortCutPairEntry(ShortCut(), shortCut2);
        if (found >= 0 && &owner_->Items(found) != this) throw ECodeKeyError(kDuplicateShortCut);
    }
    key2_ = ShortCutKey(shortCut2);
    shift2_ = ShortCutShift(shortCut2);
}

void TCodeEditKeyStroke::Assign(const TCodeEditKeyStroke& other) {
    key_ = other.key_;
    shift_ = other.shift_;
    key2_ = other.key2_;
    shift2_ = other.shift2_;
    command_ = other.command_;
}

int TCodeEditKeyStroke::Index() const { return owner_->IndexOf(*this); }

TCodeEditKeyStroke& TCodeEditKeyStrokes::Add() {
    items_.push_back(std::make_unique<TCodeEditKeyStroke>(TCodeEditKeyStroke::OwnerToken{}, *this));
    return *items_.back();
}

void TCodeEditKeyStrokes::Delete(int index) {
    if (index < 0 || index >= Count()) throw std::out_of_range("keystroke index out of range");
    items_.erase(items_.begin() + index);
}

void TCodeEditKeyStrokes::Clear() { items_.clear(); }

void TCodeEditKeyStrokes::Assign(const TCodeEditKeyStrokes& other) {
    if (&other == this) return;
    Clear();
    for (const auto& item : other.items_) Add().Assign(*item);
}

int TCodeEditKeyStrokes::FindKeyEntry(TVirtualKey key, TShiftState shift) const {
    return FindKeyPairEntry(key, shift, 0, 0);
}

int TCodeEditKeyStrokes::FindKeyPairEntry(TVirtualKey key, TShiftState shift, TVirtualKey key2,
                                          TShiftState shift2) const {
    for (int i = 0; i < Count(); ++i) {
        const auto& item = Items(i);
        if (item.key_ == key && item.shift_ == shift && item.key2_ == key2 && item.shift2_ == shift2) return i;
    }
    return -1;
}

int TCodeEditKeyStrokes::FindShortCutPairEntry(TShortCut shortCut, TShortCut shortCut2) const {
    for (int i = 0; i < Count(); ++i) {
        const auto& item = Items(i);
        if (item.ShortCut() == shortCut && item.ShortCut2() == shortCut2) return i;
    }
    return -1;
}

int TCodeEditKeyStrokes::FindCommand(TCodeEditorCommand command) const {
    for (int i = 0; i < Count(); ++i) {
        if (Items(i).command_ == command) return i;
    }
    return -1;
}

int TCodeEditKeyStrokes::IndexOf(const TCodeEditKeyStroke& stroke) const {
    const auto it = std::find_if(items_.begin(), items_.end(), [&](const auto& item) { return item.get() == &stroke; });
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TCodeEditKeyStrokes::LoadDefaultKeys() {
    Clear();
    const auto add = [this](TCodeEditorCommand command, TVirtualKey key, TShiftState shift) {
        auto& stroke = Add();
        stroke.command_ = command;
        stroke.key_ = key;
        stroke.shift_ = shift;
    };
    for (std::size_t i = 0; i < kDefaultKeys.size(); ++i) {
        if (i == kDigitsInsertAt) {
            for (int d = 0; d <= 9; ++d) add(static_cast<TCodeEditorCommand>(ecGotoMarker0 + d), static_cast<TVirtualKey>(vk0 + d), ssCtrl);
            for (int d = 0; d <= 9; ++d) add(static_cast<TCodeEditorCommand>(ecSetMarker0 + d), static_cast<TVirtualKey>(vk0 + d), kCtrlShift);
        }
        add(kDefaultKeys[i].command, kDefaultKeys[i].key, kDefaultKeys[i].shift);
    }
}

TCodeEditorCommand TCodeEditKeyTranslator::KeyToCommand(const TCodeEditKeyStrokes& keys, TVirtualKey key,
                                                        TShiftState shift) {
    int found = -1;
    if (lastKey_ != 0) found = keys.FindKeyPairEntry(lastKey_, lastShift_, key, shift);
    if (found < 0) found = keys.FindKeyEntry(key, shift);
    const TCodeEditorCommand command = found >= 0 ? keys.Items(found).Command() : ecNone;
    if (command == ecNone && key >= 30 && key <= 145) {
        lastKey_ = key;
        lastShift_ = shift;
    } else {
        Forget();
    }
    return command;
}

}  // namespace tips::editor
