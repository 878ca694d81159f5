// Keyboard translation and the command path: key-down through the keystroke table, character
// messages, RunCommand with its three events, and PerformCommand's dispatch.

#include "editor/custom_code_edit.hpp"

namespace tips::editor {

bool TCustomCodeEdit::KeyDown(TVirtualKey key, TShiftState shift) {
    const TCodeEditorCommand command = KeyToCommand(key, shift);
    if (command == ecNone) {
        ignoreNextChar_ = false;
        return false;
    }
    // The character message this key produces belongs to the command that just ran.
    ignoreNextChar_ = true;
    TCommandData data;
    if (command >= ecSetMarker0 && command <= ecSetMarker9) data = CaretPoint();
    RunCommand(command, 0, data);
    return true;
}

void TCustomCodeEdit::KeyPress(char ch) {
    if (pendingImeChars_ > 0) {
        --pendingImeChars_;
        return;
    }
    if (ignoreNextChar_) {
        ignoreNextChar_ = false;
        return;
    }
    RunCommand(ecChar, ch, {});
}

void TCustomCodeEdit::ImeComposition(const std::string& text) {
    RunCommand(ecImeStr, 0, text);
    pendingImeChars_ = static_cast<int>(text.size());
}

void TCustomCodeEdit::RunCommand(TCodeEditorCommand command, char ch, const TCommandData& data) {
    if (command >= ecUserFirst) {
        if (OnProcessUserCommand) OnProcessUserCommand(*this, command, ch, data);
    } else if (OnProcessCommand) {
        OnProcessCommand(*this, command, ch, data);
    }
    if (command != ecNone && command < ecUserFirst) {
        CommandStarting(command, ch);
        PerformCommand(command, ch, data);
    }
    if (OnCommandProcessed) OnCommandProcessed(*this, command, ch, data);
}

void TCustomCodeEdit::PerformCommand(TCodeEditorCommand command, char ch, const TCommandData& data) {
    TDeferral deferral(*this);
    if ((command >= ecLeft && command <= ecGotoXY) || (command >= ecSelLeft && command <= ecSelGotoXY)) {
        MoveCaretCommand(command, data);
        return;
    }
    if (command >= ecGotoMarker0 && command <= ecGotoMarker9) {
        GotoMarkerCommand(command - ecGotoMarker0);
        return;
    }
    if (command >= ecSetMarker0 && command <= ecSetMarker9) {
        SetMarkerCommand(command - ecSetMarker0, data);
        return;
    }
    switch (command) {
        case ecSelectAll: SelectAll(); break;
        case ecCopy: CopyToClipboard(); break;
        case ecScrollUp:
        case ecScrollDown:
        case ecScrollLeft:
        case ecScrollRight: ScrollCommand(command); break;
        case ecInsertMode: SetInsertMode(true); break;
        case ecOverwriteMode: SetInsertMode(false); break;
        case ecToggleMode: SetInsertMode(!insertMode_); break;
        case ecNormalSelect: SetSelectionMode(smNormal); break;
        case ecColumnSelect: SetSelectionMode(smColumn); break;
        case ecLineSelect: SetSelectionMode(smLine); break;
        case ecMatchBracket: MatchBracket(); break;
        case ecDeleteLastChar: DeleteLastChar(); break;
        case ecDeleteChar: DeleteChar(); break;
        case ecDeleteWord:
        case ecDeleteLastWord:
        case ecDeleteBOL:
        case ecDeleteEOL: DeleteToTarget(command); break;
        case ecDeleteLine: DeleteLine(); break;
        case ecClearAll: ClearAll(); break;
        case ecLineBreak: LineBreak(true); break;
        case ecInsertLine: LineBreak(false); break;
        case ecChar: InsertCharacter(ch); break;
        case ecImeStr:
            if (const auto* text = std::get_if<std::string>(&data)) InsertImeString(*text);
            break;
        case ecUndo: Undo(); break;
        case ecRedo: Redo(); break;
        case ecCut:
            if (!readOnly_ && HasSelection()) CutToClipboard();
            break;
        case ecPaste:
            if (!readOnly_) PasteFromClipboard();
            break;
        case ecBlockIndent: BlockIndent(); break;
        case ecBlockUnindent: BlockUnindent(); break;
        case ecTab: Tab(); break;
        case ecShiftTab: ShiftTab(); break;
        case ecUpperCase:
        case ecLowerCase:
        case ecToggleCase:
        case ecTitleCase: ChangeCase(command); break;
        default: break;  // ecContextHelp, ecString, ecAutoCompletion, focus codes and unknown codes
    }
}

}  // namespace tips::editor
