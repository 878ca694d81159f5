#pragma once
// The print preview window: created hidden at start-up and shown modally, maximised, by the main
// window's print command. A toolbar pages, zooms, prints and closes; the preview control fills the
// middle; the status bar shows the page. Every command is an action with a hint and a shortcut.

#include <functional>
#include <string>
#include <vector>

#include "print/win32/code_edit_print_preview_window.hpp"
#include "widgets/shortcut.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/popup_menu.hpp"
#include "widgets/win32/status_bar.hpp"
#include "widgets/win32/tool_bar.hpp"

namespace tips::app {

// A command of the window: its hint ("short|long"), image, shortcut and what it does.
struct TAction {
    std::string Name;
    std::string Hint;
    int ImageIndex = -1;
    widgets::TShortCut ShortCut = 0;
    std::function<void(TAction& sender)> OnExecute;
    void Execute() {
        if (OnExecute) OnExecute(*this);
    }
};

// The part of a hint before the bar: what a tooltip shows.
std::string GetShortHint(const std::string& hint);

class Tfvp : public widgets::TForm {
public:
    Tfvp();

    // The window's components, by their names. Parents come before their children.
    widgets::TImageList ImageList;
    widgets::TToolBar ToolBar1{this};
    widgets::TStatusBar StatusBar{this};
    print::TCodeEditPrintPreviewWindow CodeEditPrintPreview{this};
    widgets::TPopupMenu PopupMenu1;

    TAction FirstCmd;
    TAction PrevCmd;
    TAction NextCmd;
    TAction LastCmd;
    TAction ZoomCmd;
    TAction PrintCmd;
    TAction CloseCmd;
    // The actions in the order of the action list.
    std::vector<TAction*> ActionList();

    void FormShow();
    void CodeEditPrintPreviewPreviewPage(print::TCodeEditPrintPreview& sender, int pageNumber);
    void CodeEditPrintPreviewMouseDown(print::TCodeEditPrintPreviewWindow& sender, widgets::TMouseButton button,
                                       widgets::TShiftState shift, int x, int y);
    void Fitto1Click(widgets::TPopupMenuItem& sender);
    void FirstCmdExecute(TAction& sender);
    void PrevCmdExecute(TAction& sender);
    void NextCmdExecute(TAction& sender);
    void LastCmdExecute(TAction& sender);
    void ZoomCmdExecute(TAction& sender);
    void PrintCmdExecute(TAction& sender);
    void CloseCmdExecute(TAction& sender);

    // Runs the action whose shortcut the key message is; true when there was one.
    bool RunActionShortCut(const MSG& message);
    bool PreTranslateMessage(const MSG& message) override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BuildActions();
    void BuildToolBar();
    // The toolbar's tooltips follow the actions' hints.
    void UpdateButtonHints();
};

}  // namespace tips::app
