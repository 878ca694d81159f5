#pragma once
// The main window: owns the tips table and everything that shows or edits it; reads trucos.dat when it is
// created and writes it back when it is destroyed. Made as widgets::TOwnedWindow<TForm1>.

#include <optional>
#include <string>

#include "app/tips_file_keeper.hpp"
#include "highlight/vb_highlighter.hpp"
#include "platform/collator.hpp"
#include "print/code_edit_print.hpp"
#include "skin/skin_source.hpp"
#include "skin/win32/skin_activation.hpp"
#include "store/data_source.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "store/win32/db_code_edit_window.hpp"
#include "widgets/win32/db_grid.hpp"
#include "widgets/ext_one_instance.hpp"
#include "widgets/win32/edit_box.hpp"
#include "widgets/win32/ext_application.hpp"
#include "widgets/win32/ext_splitter_pane.hpp"
#include "widgets/win32/ext_splitter_panel.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/main_menu.hpp"
#include "widgets/win32/panel.hpp"
#include "widgets/win32/radio_group.hpp"
#include "widgets/win32/speed_button.hpp"
#include "widgets/win32/status_bar.hpp"

namespace tips::app {

class Tfvp;

class TForm1 : public widgets::TForm {
public:
    // executablePath decides where trucos.dat lives; by default the running program's own path.
    explicit TForm1(std::string executablePath = widgets::ExecutablePath());

    // The window's components, by their names. Parents come before their children.
    store::TMemoryTable tbTrucos{"tbTrucos", platform::UserDefaultCollator()};
    const store::TTipsFields tbTrucosFields = store::CreateTipsFields(tbTrucos);
    store::TDataSource dsTrucos{&tbTrucos};
    highlight::TVBHighlighter VBHighlighter1;
    // Prints the current tip through the preview window; refers to VBHighlighter1.
    print::TCodeEditPrint CodeEditPrint1;
    skin::TSkinSource SkinSource1;
    // Serves every window of the thread with SkinSource1's skin while it is active.
    std::optional<skin::win32::TSkinActivation> SkinActivation1;
    widgets::TMainMenu MainMenu1;
    widgets::TExtOneInstance ExtOneInstance1;

    widgets::TPanel PnlToolbar{this};
    widgets::TSpeedButton BtnPrint{&PnlToolbar};
    widgets::TSpeedButton BtnCut{&PnlToolbar};
    widgets::TSpeedButton BtnCopy{&PnlToolbar};
    widgets::TSpeedButton BtnPaste{&PnlToolbar};
    widgets::TPanel PnlSplitter{this};
    widgets::TStatusBar StatusBar1{this};
    widgets::TExtSplitterPanel ExtSplitterPanel1{this};
    widgets::TExtSplitterPane ExtSplitterPane1{&ExtSplitterPanel1};
    widgets::TExtSplitterPane ExtSplitterPane2{&ExtSplitterPanel1};
    widgets::TRadioGroup radio1{&ExtSplitterPane1};
    widgets::TEdit Edit1{&ExtSplitterPane1};
    widgets::TDBGrid DBGrid1{&ExtSplitterPane1};
    // The current tip's code, filling the right pane.
    store::TDBCodeEdit Codigo{&ExtSplitterPane2};

    // Handlers of the browsing controls.
    void Edit1Change(widgets::TEdit& sender);
    void radio1Click(widgets::TRadioGroup& sender);
    void DBGrid1TitleClick(widgets::TColumn& column);
    void DBGrid1KeyDown(widgets::TDBGrid& sender, WORD& key, widgets::TShiftState shift);
    // Entering the code editor stores a tip still being edited or inserted.
    void CodigoEnter(editor::TCustomCodeEdit& sender);

    // The windows the print and about commands show, made after this one (left null, the commands do nothing).
    Tfvp* fvp = nullptr;
    widgets::TForm* Form2 = nullptr;

    // Handlers of the menu and the toolbar.
    void MnuNew_oldClick(widgets::TMenuItem& sender);
    void MnuPrint_oldClick(widgets::TMenuItem& sender);
    void BtnPrintClick(widgets::TSpeedButton& sender);
    void MnuExit_oldClick(widgets::TMenuItem& sender);
    void MnuCut_oldClick(widgets::TMenuItem& sender);
    void BtnCutClick(widgets::TSpeedButton& sender);
    void MnuCopy_oldClick(widgets::TMenuItem& sender);
    void BtnCopyClick(widgets::TSpeedButton& sender);
    void MnuPaste_oldClick(widgets::TMenuItem& sender);
    void BtnPasteClick(widgets::TSpeedButton& sender);
    void MnuSelectAll_oldClick(widgets::TMenuItem& sender);
    void MnuDelete_oldClick(widgets::TMenuItem& sender);
    void Deshacer1_oldClick(widgets::TMenuItem& sender);
    void Rehacer1_oldClick(widgets::TMenuItem& sender);
    void Acercade1Click(widgets::TMenuItem& sender);
    // Asked when the window is to close: offers to store a tip still being edited or inserted. canClose
    // stays true; a failing store raises, and the window then stays open.
    void FormCloseQuery(bool& canClose);

protected:
    void LayoutLoaded() override;
    void FormCreate() override;
    // Writes trucos.dat while every component is still there.
    void FormDestroy() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Posted at start when the tips file could not be read whole.
    static constexpr UINT kShowDamagedFileNotice = WM_APP + 0x71;

private:
    void PlaceControls();
    void PlaceCodigo();
    void ConnectCommands();
    // One command through the code editor's command path, whatever has the focus.
    void RunCodigoCommand(editor::TCodeEditorCommand command);
    // With a tip being edited or inserted: asks whether to keep it, then stores or drops it.
    void AskToStorePendingTip();
    void ShowPrintPreview();

    std::string executablePath_;
    bool askingToStore_ = false;   // the question about a pending tip is on the screen
    TTipsFileKeeper tipsFile_;
};

}  // namespace tips::app
