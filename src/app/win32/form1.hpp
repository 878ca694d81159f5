#pragma once
// The main window: owns the tips table and everything that shows or edits it; reads trucos.dat when it is
// created and writes it back when it is destroyed. Made as widgets::TOwnedWindow<TForm1>.

#include <string>

#include "app/tips_file_keeper.hpp"
#include "highlight/vb_highlighter.hpp"
#include "platform/collator.hpp"
#include "skin/skin_source.hpp"
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

class TForm1 : public widgets::TForm {
public:
    // executablePath decides where trucos.dat lives; by default the running program's own path.
    explicit TForm1(std::string executablePath = widgets::ExecutablePath());

    // The window's components, by their names. Parents come before their children.
    store::TMemoryTable tbTrucos{"tbTrucos", platform::UserDefaultCollator()};
    const store::TTipsFields tbTrucosFields = store::CreateTipsFields(tbTrucos);
    store::TDataSource dsTrucos{&tbTrucos};
    highlight::TVBHighlighter VBHighlighter1;
    skin::TSkinSource SkinSource1;
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

protected:
    void LayoutLoaded() override;
    void FormCreate() override;
    // Writes trucos.dat while every component is still there.
    void FormDestroy() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PlaceControls();
    void PlaceCodigo();
    // Closing stores what was typed into the current tip and not yet stored.
    void StorePendingTip();

    std::string executablePath_;
    TTipsFileKeeper tipsFile_;
};

}  // namespace tips::app
