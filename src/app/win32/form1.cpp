#include "app/win32/form1.hpp"

#include <exception>
#include <utility>
#include <vector>

#include "app/app_texts.hpp"
#include "app/tips_file_path.hpp"
#include "app/toolbar_glyphs.hpp"
#include "app/win32/fvp.hpp"
#include "base/scoped_value.hpp"
#include "editor/main_window_keys.hpp"
#include "highlight/vb_highlighter_form.hpp"
#include "print/code_edit_print_form.hpp"
#include "skin/embedded_skin.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/ext_application.hpp"

namespace tips::app {
namespace {

using widgets::ShortCut;
using widgets::ssCtrl;
using widgets::TMenuItem;
using widgets::TShortCut;

TMenuItem Item(const char* name, const char* caption, TShortCut shortCut = 0) {
    return TMenuItem{name, caption, shortCut, nullptr, {}};
}

TMenuItem Menu(const char* name, const char* caption, std::vector<TMenuItem> items) {
    return TMenuItem{name, caption, 0, nullptr, std::move(items)};
}

// The menu bar; the items' commands are wired up by the window.
std::vector<TMenuItem> MainMenuItems() {
    return {
        Menu("Archivo1", "&Archivo", {Item("Nuevo1", "&Nuevo"), Item("Imprimir1", "&Imprimir"), Item("Salir1", "&Salir")}),
        Menu("Edicin1", kMenuEdicion,
             {Item("Cortar1", "Cortar", ShortCut('X', ssCtrl)), Item("Copiar1", "Copiar", ShortCut('C', ssCtrl)),
              Item("Pegar1", "Pegar", ShortCut('V', ssCtrl)), Item("N2", "-"),
              Item("PegarTodo1", "Seleccionar Todo", ShortCut('A', ssCtrl)), Item("N3", "-"),
              Item("Borrar1", "Borrar", ShortCut(widgets::vkDelete, ssCtrl)), Item("N4", "-"),
              Item("Deshacer2", "Deshacer", ShortCut('Z', ssCtrl)), Item("Rehacer2", "Rehacer")}),
        Menu("Ayuda1", "Ayuda", {Item("Acercade1", "Acerca de ..")}),
    };
}

}  // namespace

TForm1::TForm1(std::string executablePath)
    : MainMenu1(MainMenuItems()),
      ExtOneInstance1(widgets::ProcessOneInstanceHost()),
      executablePath_(std::move(executablePath)) {
    print::ConfigureCodeEditPrint1(CodeEditPrint1, &VBHighlighter1);
    // The skin the executable carries is part of the window's stored layout: it is decoded first.
    SkinSource1.OnShowMessage = [](const std::string& text) {
        MessageBoxA(nullptr, text.c_str(), widgets::Application().Title().c_str(), MB_OK);
    };
    SkinSource1.Properties.Active = true;
    SkinSource1.ReadSkinStream(skin::EmbeddedSkinStream());
    // A copy that hands over shows no window to skin.
    if (!ExtOneInstance1.HandedOver()) SkinActivation1.emplace(SkinSource1);

    PlaceControls();

    widgets::TFormLayout layout;
    layout.className = "TForm1";
    layout.caption = kMainCaption;
    layout.width = 687;
    layout.height = 443;
    layout.centerOnScreen = true;
    layout.menu = &MainMenu1;
    CreateForm(layout);
}

// The stored layout: only what differs from each control's defaults.
void TForm1::PlaceControls() {
    using namespace widgets;

    PnlToolbar.Name = "PnlToolbar";
    PnlToolbar.SetBounds(8, -2, 121, 27);
    PnlToolbar.BevelOuter = TPanelBevel::bvNone;
    PnlToolbar.SetTabOrder(0);
    const auto placeButton = [](TSpeedButton& button, const char* name, int left, const char* hint, TToolbarGlyph glyph) {
        button.Name = name;
        button.SetBounds(left, 2, 25, 25);
        button.SetHint(hint);
        button.SetGlyph(skin::ReadBitmap(ToolbarGlyphBitmap(glyph)));
        button.SetNumGlyphs(2);
    };
    placeButton(BtnPrint, "BtnPrint", 6, "Imprimir", TToolbarGlyph::tgPrint);
    placeButton(BtnCut, "BtnCut", 39, "Cortar", TToolbarGlyph::tgCut);
    placeButton(BtnCopy, "BtnCopy", 64, "Copiar", TToolbarGlyph::tgCopy);
    placeButton(BtnPaste, "BtnPaste", 89, "Pegar", TToolbarGlyph::tgPaste);

    PnlSplitter.Name = "PnlSplitter";
    PnlSplitter.SetBounds(0, 0, 6, 32);
    PnlSplitter.SetAlign(TAlign::alLeft);
    PnlSplitter.BevelOuter = TPanelBevel::bvNone;
    PnlSplitter.Cursor = LoadCursor(nullptr, IDC_SIZEWE);
    PnlSplitter.SetTabOrder(2);

    StatusBar1.Name = "StatusBar1";
    StatusBar1.SetBounds(0, 424, 687, 19);
    StatusBar1.SetAlign(TAlign::alBottom);
    StatusBar1.SetPanelWidths({100, 50});
    StatusBar1.SetTabOrder(1);

    ExtSplitterPanel1.Name = "ExtSplitterPanel1";
    ExtSplitterPanel1.SetBounds(0, 32, 687, 392);
    ExtSplitterPanel1.SetAlign(TAlign::alBottom);
    ExtSplitterPanel1.SetAnchors(kAllAnchors);
    ExtSplitterPanel1.SetBevelWidth(0);
    ExtSplitterPanel1.SetTabOrder(3);
    TExtSplitterBarItem& bar = ExtSplitterPanel1.Bars(0);
    bar.SetOldPosition(-1);
    bar.SetPosition(304);
    bar.SetPosPercent(45);
    bar.SetResizeButtonStyle(TExtResizeButtonStyle::rbsGripWithArrows);
    bar.SetWidth(10);

    ExtSplitterPane1.Name = "ExtSplitterPane1";
    ExtSplitterPane1.SetBounds(0, 0, 304, 392);
    ExtSplitterPane2.Name = "ExtSplitterPane2";
    ExtSplitterPane2.SetBounds(314, 0, 373, 392);
    ExtSplitterPane2.SetTabOrder(1);

    radio1.Name = "radio1";
    radio1.SetBounds(0, 0, 129, 33);
    radio1.SetCaption("Buscar por");
    radio1.Columns = 2;
    radio1.SetItems({"Cat.", kTituloCaption});
    radio1.SetItemIndex(1);
    radio1.SetTabOrder(1);
    radio1.OnClick = [this](TRadioGroup& sender) { radio1Click(sender); };

    Edit1.Name = "Edit1";
    Edit1.SetBounds(134, 9, 161, 21);
    Edit1.SetAnchors(akLeft | akTop | akRight);
    Edit1.SetTabOrder(2);
    Edit1.OnChange = [this](TEdit& sender) { Edit1Change(sender); };

    DBGrid1.Name = "DBGrid1";
    DBGrid1.SetBounds(0, 40, 300, 348);
    DBGrid1.SetAnchors(kAllAnchors);
    DBGrid1.SetTabOrder(0);
    DBGrid1.SetDataSource(&dsTrucos);
    DBGrid1.AddColumn("Categoria", 68);
    DBGrid1.AddColumn("Descripcion", 190);
    DBGrid1.OnKeyDown = [this](TDBGrid& sender, WORD& key, TShiftState shift) { DBGrid1KeyDown(sender, key, shift); };
    DBGrid1.OnTitleClick = [this](TDBGrid&, TColumn& column) { DBGrid1TitleClick(column); };

    highlight::ConfigureVBHighlighter1(VBHighlighter1);
    PlaceCodigo();
    ConnectCommands();
}

void TForm1::ConnectCommands() {
    using widgets::TMenuItem;
    using widgets::TSpeedButton;
    const auto connect = [this](const char* name, void (TForm1::*handler)(TMenuItem&)) {
        MainMenu1.Find(name)->OnClick = [this, handler](TMenuItem& sender) { (this->*handler)(sender); };
    };
    connect("Nuevo1", &TForm1::MnuNew_oldClick);
    connect("Imprimir1", &TForm1::MnuPrint_oldClick);
    connect("Salir1", &TForm1::MnuExit_oldClick);
    connect("Cortar1", &TForm1::MnuCut_oldClick);
    connect("Copiar1", &TForm1::MnuCopy_oldClick);
    connect("Pegar1", &TForm1::MnuPaste_oldClick);
    connect("PegarTodo1", &TForm1::MnuSelectAll_oldClick);
    connect("Borrar1", &TForm1::MnuDelete_oldClick);
    connect("Deshacer2", &TForm1::Deshacer1_oldClick);
    connect("Rehacer2", &TForm1::Rehacer1_oldClick);
    connect("Acercade1", &TForm1::Acercade1Click);
    BtnPrint.OnClick = [this](TSpeedButton& sender) { BtnPrintClick(sender); };
    BtnCut.OnClick = [this](TSpeedButton& sender) { BtnCutClick(sender); };
    BtnCopy.OnClick = [this](TSpeedButton& sender) { BtnCopyClick(sender); };
    BtnPaste.OnClick = [this](TSpeedButton& sender) { BtnPasteClick(sender); };
}

void TForm1::PlaceCodigo() {
    using namespace widgets;
    using platform::TFontPitch;

    Codigo.Name = "Codigo";
    Codigo.SetAlign(TAlign::alClient);
    Codigo.SetTabOrder(0);
    Codigo.SetTextCursor(LoadCursor(nullptr, IDC_IBEAM));
    auto& code = Codigo.Core();
    code.SetFont({{"Courier New", -13, platform::fsBold, platform::kDefaultCharSet, TFontPitch::fpFixed},
                  platform::clBlack});
    auto& gutter = code.Gutter();
    gutter.SetAutoSize(true);
    gutter.SetShowLineNumbers(true);
    gutter.SetWidth(20);
    gutter.SetFont({{"Arial", -13, {}, platform::kAnsiCharSet, TFontPitch::fpDefault}, platform::clWindowText});
    code.SetHighlighter(&VBHighlighter1);
    editor::LoadMainWindowKeys(code.Keystrokes());
    code.SetDataSource(&dsTrucos);
    code.SetDataField("Truco");
    code.OnEnter = [this](editor::TCustomCodeEdit& sender) { CodigoEnter(sender); };
}

void TForm1::LayoutLoaded() {
    TForm::LayoutLoaded();
    Codigo.Core().LayoutLoaded();
    ExtOneInstance1.LayoutLoaded();
}

void TForm1::FormCreate() {
    // A copy that handed over to the running one never reads the file, nor writes it at exit.
    if (ExtOneInstance1.HandedOver()) return;
    tipsFile_.Load(tbTrucos, TipsFilePath(executablePath_));
    tbTrucos.Open();
    tbTrucos.SetSortedField("Descripcion");
    // Told once the window is up and the loop runs, so that start-up finishes first.
    if (tipsFile_.DamagedFileNotice()) PostMessageA(Handle(), kShowDamagedFileNotice, 0, 0);
}

void TForm1::FormDestroy() {
    if (ExtOneInstance1.HandedOver()) return;
    tipsFile_.Save(tbTrucos, TipsFilePath(executablePath_));
}

void TForm1::Edit1Change(widgets::TEdit& sender) {
    const std::string text = sender.Text();
    if (text.empty()) return;
    tbTrucos.Locate(tbTrucos.SortedField(), text,
                    store::TLocateOption::loCaseInsensitive | store::TLocateOption::loPartialKey);
}

void TForm1::radio1Click(widgets::TRadioGroup& sender) {
    switch (sender.ItemIndex()) {
        case 0:
            tbTrucos.SetSortedField("Categoria");
            break;
        case 1:
            tbTrucos.SetSortedField("Descripcion");
            break;
        default:
            break;
    }
}

void TForm1::DBGrid1TitleClick(widgets::TColumn& column) {
    // A failing sort must not bother the user: the click then just does nothing more. What can fail is
    // the post of a pending record before sorting (store errors, a field's conversion, memory), all of
    // them standard exceptions.
    try {
        tbTrucos.SetSortedField(column.FieldName());
        DBGrid1.SetSelectedIndex(column.Index());
        radio1.SetItemIndex(column.Index());
        StatusBar1.SetPanelText(0, kSortedByPrefix + column.Title());
    } catch (const std::exception&) {
    }
}

void TForm1::DBGrid1KeyDown(widgets::TDBGrid& sender, WORD& key, widgets::TShiftState /*shift*/) {
    // Tab in the title column moves on to the code, Shift or not.
    if (key != VK_TAB || sender.SelectedIndex() != 1) return;
    key = 0;
    Codigo.SetFocus();
}

void TForm1::CodigoEnter(editor::TCustomCodeEdit& /*sender*/) {
    // A tip typed in the grid is stored, and moves to its sorted place, before its code is edited.
    if (askingToStore_) return;   // the answer decides what becomes of the tip
    const auto state = dsTrucos.State();
    if (state == store::TDataSetState::dsEdit || state == store::TDataSetState::dsInsert) tbTrucos.Post();
}

// ---- Commands ------------------------------------------------------------------------------------

void TForm1::MnuNew_oldClick(widgets::TMenuItem& /*sender*/) {
    // A pending tip is stored when it changed and dropped when it did not, so that two in a row leave
    // no empty tip behind.
    tbTrucos.Append();
    DBGrid1.SetSelectedIndex(0);
    DBGrid1.SetFocus();
}

void TForm1::MnuPrint_oldClick(widgets::TMenuItem& /*sender*/) { ShowPrintPreview(); }
void TForm1::BtnPrintClick(widgets::TSpeedButton& /*sender*/) { ShowPrintPreview(); }

// The code as the editor shows it (not yet written back, perhaps) and the tip's title go to the print
// engine, which the preview window then shows.
void TForm1::ShowPrintPreview() {
    if (!fvp) return;
    CodeEditPrint1.Lines().SetText(Codigo.Core().Lines().Text());
    CodeEditPrint1.SetTitle(tbTrucosFields.Descripcion->AsString());
    fvp->CodeEditPrintPreview.Preview().SetCodeEditPrint(&CodeEditPrint1);
    fvp->ShowModal();
}

void TForm1::MnuExit_oldClick(widgets::TMenuItem& /*sender*/) {
    // Leaving must not drop what the user typed without a word: the same question as closing. A
    // store that fails raises before the application is asked to end.
    AskToStorePendingTip();
    widgets::Application().Terminate();
}

void TForm1::RunCodigoCommand(editor::TCodeEditorCommand command) { Codigo.Core().RunCommand(command, '\0', {}); }

void TForm1::MnuCut_oldClick(widgets::TMenuItem& /*sender*/) { RunCodigoCommand(editor::ecCut); }
void TForm1::BtnCutClick(widgets::TSpeedButton& /*sender*/) { RunCodigoCommand(editor::ecCut); }
void TForm1::MnuCopy_oldClick(widgets::TMenuItem& /*sender*/) { RunCodigoCommand(editor::ecCopy); }
void TForm1::BtnCopyClick(widgets::TSpeedButton& /*sender*/) { RunCodigoCommand(editor::ecCopy); }
void TForm1::MnuPaste_oldClick(widgets::TMenuItem& /*sender*/) { RunCodigoCommand(editor::ecPaste); }
void TForm1::BtnPasteClick(widgets::TSpeedButton& /*sender*/) { RunCodigoCommand(editor::ecPaste); }
void TForm1::MnuSelectAll_oldClick(widgets::TMenuItem& /*sender*/) { RunCodigoCommand(editor::ecSelectAll); }
void TForm1::Deshacer1_oldClick(widgets::TMenuItem& /*sender*/) { RunCodigoCommand(editor::ecUndo); }
void TForm1::Rehacer1_oldClick(widgets::TMenuItem& /*sender*/) { RunCodigoCommand(editor::ecRedo); }

void TForm1::MnuDelete_oldClick(widgets::TMenuItem& /*sender*/) { tbTrucos.Delete(); }

void TForm1::Acercade1Click(widgets::TMenuItem& /*sender*/) {
    if (Form2) Form2->ShowModal();
}

// ---- Closing -------------------------------------------------------------------------------------

void TForm1::AskToStorePendingTip() {
    const auto state = dsTrucos.State();
    if (state != store::TDataSetState::dsEdit && state != store::TDataSetState::dsInsert) return;
    // When the box closes, the focus comes back to the control that had it; the editor's enter handling
    // must not store the tip before the answer is acted on.
    int answer = IDNO;
    {
        const base::TScopedValue asking(askingToStore_, true);
        answer = widgets::Application().ShowMessageBox(Handle(), kSaveChangesQuestion, kConfirmCaption,
                                                       MB_SYSTEMMODAL | MB_ICONQUESTION | MB_YESNO);
    }
    if (answer == IDYES) {
        tbTrucos.Post();   // the grid and the editor write what they hold into the tip first
    } else {
        tbTrucos.Cancel();
    }
}

void TForm1::FormCloseQuery(bool& /*canClose*/) { AskToStorePendingTip(); }

LRESULT TForm1::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kShowDamagedFileNotice) {
        if (const auto notice = tipsFile_.DamagedFileNotice())
            widgets::Application().ShowMessageBox(Handle(), *notice, widgets::Application().Title(),
                                                  MB_OK | MB_ICONWARNING);
        return 0;
    }
    if (message == WM_CLOSE) {
        // Closing the main window ends the application; the windows go when the loop has ended. A failing
        // store raises out of here: the error box shows it and the window stays open.
        bool canClose = true;
        FormCloseQuery(canClose);
        if (canClose) widgets::Application().Terminate();
        return 0;
    }
    return TForm::WndProc(message, wParam, lParam);
}

}  // namespace tips::app
