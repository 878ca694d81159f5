#include "app/win32/fvp.hpp"

#include <exception>
#include <optional>

#include "platform/printer.hpp"
#include "print/preview_glyphs.hpp"
#include "print/preview_window_rules.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/db_grid_cell_edit.hpp"

namespace tips::app {

namespace {

using widgets::TPopupMenuItem;

std::vector<TPopupMenuItem> ZoomMenuItems() {
    return {{"Fitto1", "Whole page", print::kZoomTagWholePage, {}},
            {"Pagewidth1", "Page width", print::kZoomTagPageWidth, {}},
            {"N1", "-", 0, {}},
            {"N251", "25%", 25, {}},
            {"N501", "50%", 50, {}},
            {"N1001", "100%", 100, {}},
            {"N2001", "200%", 200, {}},
            {"N4001", "400%", 400, {}}};
}

// Alt and Ctrl as the shortcut values keep them.
constexpr widgets::TShortCut Alt(char letter) {
    return widgets::ShortCut(static_cast<widgets::TVirtualKey>(letter), widgets::ssAlt);
}
constexpr widgets::TShortCut Ctrl(char letter) {
    return widgets::ShortCut(static_cast<widgets::TVirtualKey>(letter), widgets::ssCtrl);
}

}  // namespace

std::string GetShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

Tfvp::Tfvp() : PopupMenu1(ZoomMenuItems()) {
    ImageList.Assign(skin::ReadBitmap(print::PreviewGlyphStrip()), print::kPreviewGlyphSize);
    BuildActions();
    BuildToolBar();

    StatusBar.Name = "StatusBar";
    StatusBar.SetAlign(widgets::TAlign::alBottom);
    StatusBar.SetPanelWidths({400, 100});

    CodeEditPrintPreview.Name = "CodeEditPrintPreview";
    print::TCodeEditPrintPreview& preview = CodeEditPrintPreview.Preview();
    preview.SetScaleMode(print::TCodePreviewScale::pscWholePage);
    preview.OnPreviewPage = [this](print::TCodeEditPrintPreview& sender, int page) {
        CodeEditPrintPreviewPreviewPage(sender, page);
    };
    CodeEditPrintPreview.OnMouseDown = [this](print::TCodeEditPrintPreviewWindow& sender, widgets::TMouseButton button,
                                              widgets::TShiftState shift, int x, int y) {
        CodeEditPrintPreviewMouseDown(sender, button, shift, x, y);
    };
    for (auto& item : PopupMenu1.Items()) {
        if (item.Caption != "-") item.OnClick = [this](TPopupMenuItem& sender) { Fitto1Click(sender); };
    }

    widgets::TFormLayout layout;
    layout.className = "Tfvp";
    layout.caption = "Print Preview";
    layout.width = 575;
    layout.height = 446;
    layout.outerSize = true;
    layout.centerOnScreen = true;
    // Shown maximised; 575 x 446 is the size it is restored to.
    layout.style = WS_OVERLAPPEDWINDOW | WS_MAXIMIZE;
    CreateForm(layout);
}

void Tfvp::BuildActions() {
    auto set = [](TAction& action, const char* name, const char* hint, int image, widgets::TShortCut shortCut,
                  std::function<void(TAction&)> execute) {
        action.Name = name;
        action.Hint = hint;
        action.ImageIndex = image;
        action.ShortCut = shortCut;
        action.OnExecute = std::move(execute);
    };
    set(FirstCmd, "FirstCmd", "First|Go to first page", 0, Alt('F'), [this](TAction& a) { FirstCmdExecute(a); });
    set(PrevCmd, "PrevCmd", "Previous|Go to previous page", 1, Alt('P'), [this](TAction& a) { PrevCmdExecute(a); });
    set(NextCmd, "NextCmd", "Next|Go to next page", 2, Alt('N'), [this](TAction& a) { NextCmdExecute(a); });
    set(LastCmd, "LastCmd", "Last|Go to last page", 3, Alt('L'), [this](TAction& a) { LastCmdExecute(a); });
    set(ZoomCmd, "ZoomCmd", "Zoom|Zoom In/Out", 4, Alt('Z'), [this](TAction& a) { ZoomCmdExecute(a); });
    set(PrintCmd, "PrintCmd", "Print|Print the document", 5, Ctrl('P'), [this](TAction& a) { PrintCmdExecute(a); });
    set(CloseCmd, "CloseCmd", "Close|Close Print Preview", 6, Alt('C'), [this](TAction& a) { CloseCmdExecute(a); });
}

std::vector<TAction*> Tfvp::ActionList() {
    return {&FirstCmd, &PrevCmd, &NextCmd, &LastCmd, &ZoomCmd, &PrintCmd, &CloseCmd};
}

void Tfvp::BuildToolBar() {
    ToolBar1.Name = "ToolBar1";
    ToolBar1.SetImages(&ImageList);
    ToolBar1.SetButtonSize(24, 23);
    ToolBar1.SetIndent(5);
    ToolBar1.SetBounds(0, 0, 575, 29);
    auto button = [this](const char* name, TAction& action, widgets::TToolButtonStyle style) {
        widgets::TToolButton b;
        b.Name = name;
        b.Style = style;
        b.ImageIndex = action.ImageIndex;
        b.OnClick = [&action](widgets::TToolButton&) { action.Execute(); };
        ToolBar1.AddButton(std::move(b));
    };
    auto separator = [this](const char* name) {
        widgets::TToolButton b;
        b.Name = name;
        b.Style = widgets::TToolButtonStyle::tbsSeparator;
        b.SeparatorWidth = 8;
        ToolBar1.AddButton(std::move(b));
    };
    button("FirstBtn", FirstCmd, widgets::TToolButtonStyle::tbsButton);
    button("PrevBtn", PrevCmd, widgets::TToolButtonStyle::tbsButton);
    button("NextBtn", NextCmd, widgets::TToolButtonStyle::tbsButton);
    button("LastBtn", LastCmd, widgets::TToolButtonStyle::tbsButton);
    separator("ToolButton1");
    button("ToolButton3", ZoomCmd, widgets::TToolButtonStyle::tbsDropDown);
    ToolBar1.Find("ToolButton3")->OnDropDown = [this](widgets::TToolButton&, const RECT& screen) {
        PopupMenu1.Popup(screen.left, screen.bottom, Handle());
    };
    separator("ToolButton2");
    button("PrintBtn", PrintCmd, widgets::TToolButtonStyle::tbsButton);
    separator("ToolButton4");
    button("CloseBtn", CloseCmd, widgets::TToolButtonStyle::tbsButton);
    UpdateButtonHints();
}

void Tfvp::UpdateButtonHints() {
    const std::pair<const char*, TAction*> buttons[] = {{"FirstBtn", &FirstCmd}, {"PrevBtn", &PrevCmd},
                                                         {"NextBtn", &NextCmd},   {"LastBtn", &LastCmd},
                                                         {"ToolButton3", &ZoomCmd}, {"PrintBtn", &PrintCmd},
                                                         {"CloseBtn", &CloseCmd}};
    for (const auto& [name, action] : buttons) {
        if (widgets::TToolButton* b = ToolBar1.Find(name)) b->Hint = GetShortHint(action->Hint);
    }
}

void Tfvp::FormShow() {
    CodeEditPrintPreview.RefreshLayout();
    CodeEditPrintPreview.Preview().GoFirstPage();
    const std::optional<platform::TSelectedPrinter> printer = platform::PrinterPort().SelectedPrinter();
    if (printer) {
        PrintCmd.Hint = print::PrintActionHint(printer->Name);
        UpdateButtonHints();
    }
}

void Tfvp::CodeEditPrintPreviewPreviewPage(print::TCodeEditPrintPreview& /*sender*/, int pageNumber) {
    StatusBar.SetPanelText(1, print::PreviewPageStatus(pageNumber));
}

void Tfvp::CodeEditPrintPreviewMouseDown(print::TCodeEditPrintPreviewWindow& sender, widgets::TMouseButton button,
                                         widgets::TShiftState /*shift*/, int /*x*/, int /*y*/) {
    print::ZoomByMouse(sender.Preview(), button == widgets::TMouseButton::mbLeft);
}

void Tfvp::Fitto1Click(widgets::TPopupMenuItem& sender) { print::ZoomByMenuTag(CodeEditPrintPreview.Preview(), sender.Tag); }

void Tfvp::FirstCmdExecute(TAction& /*sender*/) { CodeEditPrintPreview.Preview().GoFirstPage(); }
void Tfvp::PrevCmdExecute(TAction& /*sender*/) { CodeEditPrintPreview.Preview().GoPreviousPage(); }
void Tfvp::NextCmdExecute(TAction& /*sender*/) { CodeEditPrintPreview.Preview().GoNextPage(); }
void Tfvp::LastCmdExecute(TAction& /*sender*/) { CodeEditPrintPreview.Preview().GoLastPage(); }
void Tfvp::ZoomCmdExecute(TAction& /*sender*/) {
    CodeEditPrintPreview.Preview().SetScaleMode(print::TCodePreviewScale::pscWholePage);
}
void Tfvp::PrintCmdExecute(TAction& /*sender*/) { CodeEditPrintPreview.PrintAll(); }
void Tfvp::CloseCmdExecute(TAction& /*sender*/) { Close(); }

bool Tfvp::RunActionShortCut(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    const widgets::TShortCut pressed =
        widgets::ShortCut(static_cast<widgets::TVirtualKey>(message.wParam), widgets::KeyboardShiftState());
    for (TAction* action : ActionList()) {
        if (action->ShortCut != pressed) continue;
        // Outside any window procedure here: what the action raises goes to the error box as it would there.
        try {
            action->Execute();
        } catch (const std::exception& error) {
            widgets::Application().HandleException(error);
        }
        return true;
    }
    return false;
}

bool Tfvp::PreTranslateMessage(const MSG& message) {
    if (RunActionShortCut(message)) return true;
    return widgets::TForm::PreTranslateMessage(message);
}

LRESULT Tfvp::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Shown by a call (not restored with an owner): lParam 0.
    if (message == WM_SHOWWINDOW && wParam != 0 && lParam == 0) FormShow();
    return widgets::TForm::WndProc(message, wParam, lParam);
}

}  // namespace tips::app
