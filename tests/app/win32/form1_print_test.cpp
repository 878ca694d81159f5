// The main window's print command: the code as the editor shows it and the tip's title go to the
// print engine, which the preview window shows modally, maximised, at page 1 every time.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../../print/print_test_support.hpp"
#include "app/win32/form1.hpp"
#include "app/win32/fvp.hpp"
#include "main_window_fixture.hpp"
#include "widgets/win32/application.hpp"
#include "win32/modal_script.hpp"

namespace {

using tips::app::TForm1;
using tips::app::Tfvp;
using tips::widgets::TOwnedWindow;
using tips_test::FileWith;
using tips_test::MainWindow;
using tips_test::TModalScript;
using tips_test::Write;

constexpr int kRescued = 77;

class PrintCommand : public MainWindow {
protected:
    // What the preview showed while it was open.
    struct TSeen {
        bool visible = false;
        bool zoomed = false;
        std::string status;
        int page = 0;
        std::string text;
        std::string title;
        bool linked = false;
    };

    // Runs the command (the menu item, or the toolbar button) and looks at the preview once it is up.
    TSeen Print(TForm1& form, Tfvp& fvp, bool fromToolbar) {
        TSeen seen;
        TModalScript script({[&] {
                                 seen.visible = IsWindowVisible(fvp.Handle()) != FALSE;
                                 seen.zoomed = IsZoomed(fvp.Handle()) != FALSE;
                                 seen.status = fvp.StatusBar.PanelText(1);
                                 seen.page = fvp.CodeEditPrintPreview.Preview().CurrentPage();
                                 seen.text = form.CodeEditPrint1.Lines().Text();
                                 seen.title = form.CodeEditPrint1.Title();
                                 seen.linked = fvp.CodeEditPrintPreview.Preview().CodeEditPrint() == &form.CodeEditPrint1;
                                 fvp.NextCmd.Execute();
                             },
                             [&] { fvp.CloseCmd.Execute(); }},
                            [&] { fvp.SetModalResult(kRescued); });
        if (fromToolbar) {
            form.BtnPrint.OnClick(form.BtnPrint);
        } else {
            tips::widgets::TMenuItem* item = form.MainMenu1.Find("Imprimir1");
            EXPECT_NE(item, nullptr);
            if (item) item->OnClick(*item);
        }
        EXPECT_FALSE(script.Rescued()) << "the preview did not close";
        EXPECT_FALSE(IsWindowVisible(fvp.Handle()));
        return seen;
    }

    tips::testing::TFakePrinterPort printer{std::nullopt};
};

TEST_F(PrintCommand, ShowsTheCurrentTipsCodeAndTitleAtPageOneEachTime) {
    std::string longCode;
    for (int i = 1; i <= 150; ++i) longCode += "x = " + std::to_string(i) + "\r\n";
    Write(TipsFile(), FileWith({{"Ficheros", "Abrir", "Open \"a.txt\" For Input As #1\r\nClose #1\r\n"},
                                {"Control", "Bucles", longCode}}));
    TOwnedWindow<TForm1> form(Executable());
    TOwnedWindow<Tfvp> fvp;
    form.fvp = &fvp;
    ShowWindow(form.Handle(), SW_SHOW);

    // Sorted by title: "Abrir" first.
    const TSeen first = Print(form, fvp, false);
    EXPECT_TRUE(first.visible);
    EXPECT_TRUE(first.zoomed);
    EXPECT_TRUE(first.linked);
    EXPECT_EQ(first.status, " Page: 1");
    EXPECT_EQ(first.page, 1);
    EXPECT_EQ(first.text, "Open \"a.txt\" For Input As #1\r\nClose #1\r\n");
    EXPECT_EQ(first.title, "Abrir");

    form.tbTrucos.Next();
    const TSeen second = Print(form, fvp, true);
    EXPECT_EQ(second.title, "Bucles");
    EXPECT_EQ(second.text, longCode);
    EXPECT_EQ(second.status, " Page: 1");
    EXPECT_EQ(second.page, 1);
    EXPECT_GE(form.CodeEditPrint1.PageCount(), 3);
    // Paging in the first showing does not carry over to the next.
    const TSeen again = Print(form, fvp, false);
    EXPECT_EQ(again.page, 1);
    EXPECT_EQ(again.status, " Page: 1");
}

TEST_F(PrintCommand, PrintsTheCodeAsTheEditorShowsItBeforeItIsStored) {
    Write(TipsFile(), FileWith({{"Ficheros", "Abrir", "Close #1\r\n"}}));
    TOwnedWindow<TForm1> form(Executable());
    TOwnedWindow<Tfvp> fvp;
    form.fvp = &fvp;
    ShowWindow(form.Handle(), SW_SHOW);
    form.Codigo.SetFocus();
    for (const char c : std::string("Reset ")) SendMessageA(form.Codigo.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    const TSeen seen = Print(form, fvp, false);
    EXPECT_EQ(seen.text, "Reset Close #1\r\n");
    EXPECT_EQ(seen.title, "Abrir");
}

TEST_F(PrintCommand, AnEmptyTableOpensThePreviewOnAnEmptyTextAndTitle) {
    Write(TipsFile(), FileWith(std::vector<tips_test::TTip>{}));
    TOwnedWindow<TForm1> form(Executable());
    TOwnedWindow<Tfvp> fvp;
    form.fvp = &fvp;
    ShowWindow(form.Handle(), SW_SHOW);
    const TSeen seen = Print(form, fvp, false);
    EXPECT_TRUE(seen.visible);
    EXPECT_EQ(seen.text, "");
    EXPECT_EQ(seen.title, "");
    EXPECT_EQ(seen.status, " Page: 1");
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
