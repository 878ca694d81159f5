// Printing on a real print queue, and the preview with no printer at all. Run by print_queue_test.sh
// with TIPS_PRINT_QUEUE naming the queue's folder and CUPS_SERVER its socket, the PrintQueue tests
// print a tip from the preview window with Ctrl+P, twice, and leave what the engine laid out in
// expected.txt for the script to compare with the PDF that comes out. Run on their own, with no
// scheduler to ask, the NoPrinter tests check the A4 fallback and the plain print hint.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/win32/fvp.hpp"
#include "highlight/vb_highlighter.hpp"
#include "highlight/vb_highlighter_form.hpp"
#include "platform/printer.hpp"
#include "print/code_edit_print_form.hpp"
#include "widgets/win32/application.hpp"
#include "win32/keys_held.hpp"
#include "win32/modal_script.hpp"

namespace {

using namespace tips::widgets;
using tips::app::Tfvp;
using tips_test::TModalScript;

constexpr int kRescued = 77;

// The queue's folder as Wine sees it (the Unix root is drive Z:), when the script set one up.
std::optional<std::string> QueueFolder() {
    const char* dir = std::getenv("TIPS_PRINT_QUEUE");
    if (dir == nullptr || *dir == '\0') return std::nullopt;
    std::string path = std::string("Z:") + dir;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// A tip with keywords, comments, a string and one line long enough to wrap, over two pages.
std::string TipCode() {
    std::string code =
        "' Opens a web page in the default browser\r\n"
        "Private Declare Function ShellExecute Lib \"shell32.dll\" Alias \"ShellExecuteA\" (ByVal hwnd As Long, "
        "ByVal lpOperation As String, ByVal lpFile As String, ByVal lpParameters As String, ByVal lpDirectory As "
        "String, ByVal nShowCmd As Long) As Long\r\n"
        "Sub Main()\r\n"
        "    Dim total As Integer\r\n";
    for (int i = 1; i <= 90; ++i) code += "    total = total + " + std::to_string(i) + " ' step " + std::to_string(i) + "\r\n";
    code += "End Sub\r\n";
    return code;
}

using tips_test::TKeysHeld;

// The preview window with the main window's print engine on a tip, shown as the print command shows it.
class PreviewOnTheSystemPrinter : public ::testing::Test {
protected:
    PreviewOnTheSystemPrinter() {
        tips::highlight::ConfigureVBHighlighter1(highlighter);
        tips::print::ConfigureCodeEditPrint1(engine, &highlighter);
        engine.Lines().SetText(TipCode());
        engine.SetTitle("Open a web page");
        fvp.CodeEditPrintPreview.Preview().SetCodeEditPrint(&engine);
    }
    int Show(std::vector<TModalScript::TStep> steps) {
        TModalScript script(std::move(steps), [this] { fvp.SetModalResult(kRescued); });
        const int result = fvp.ShowModal();
        EXPECT_FALSE(script.Rescued()) << "the window did not close by itself";
        return result;
    }
    // Ctrl+P as the keyboard sends it to the focused window; the keys are let go by ReleaseKeys.
    void PressCtrlP() {
        held_ = std::make_unique<TKeysHeld>(std::initializer_list<int>{VK_CONTROL});
        PostMessageA(GetFocus() ? GetFocus() : fvp.Handle(), WM_KEYDOWN, 'P', 1);
    }
    void ReleaseKeys() { held_.reset(); }

    tips::highlight::TVBHighlighter highlighter;
    tips::print::TCodeEditPrint engine;
    TOwnedWindow<Tfvp> fvp;
    std::unique_ptr<TKeysHeld> held_;
};

using PrintQueue = PreviewOnTheSystemPrinter;
using NoPrinter = PreviewOnTheSystemPrinter;

TEST_F(PrintQueue, TheQueueIsTheSelectedPrinterWithItsLetterPage) {
    if (!QueueFolder()) GTEST_SKIP() << "no print queue: run through print_queue_test.sh";
    const auto printer = tips::platform::PrinterPort().SelectedPrinter();
    ASSERT_TRUE(printer.has_value());
    EXPECT_EQ(printer->Name, "tips");
    const tips::platform::TPrinterCaps letter{2550, 3300, 2400, 3150, 75, 75, 300, 300};
    EXPECT_EQ(printer->Caps, letter);
}

TEST_F(PrintQueue, CtrlPInThePreviewPrintsTheTipTwice) {
    const auto folder = QueueFolder();
    if (!folder) GTEST_SKIP() << "no print queue: run through print_queue_test.sh";
    std::string hint;
    std::string errors;
    Application().SetErrorBox([&](const std::string& text, const std::string&) { errors += text; });
    Show({[&] {
              hint = fvp.PrintCmd.Hint;
              PressCtrlP();
          },
          [&] {
              ReleaseKeys();
              PressCtrlP();
          },
          [&] { ReleaseKeys(); },
          [&] { fvp.CloseCmd.Execute(); }});
    Application().SetErrorBox(nullptr);
    EXPECT_EQ(errors, "");
    EXPECT_EQ(hint, "Print (tips)|Print the document on tips");
    ASSERT_GE(engine.PageCount(), 2);

    // What the engine laid out on the printer, page by page and row by row, for the script.
    std::ofstream out(*folder + "\\expected.txt", std::ios::binary);
    out << "pages " << engine.PageCount() << "\n";
    const std::vector<int>& starts = engine.PageStarts();
    for (int page = 0; page < engine.PageCount(); ++page) {
        const int first = starts[static_cast<std::size_t>(page)];
        const int last = page + 1 < engine.PageCount() ? starts[static_cast<std::size_t>(page) + 1] : engine.Lines().Count();
        out << "page " << page + 1 << "\n";
        for (int line = first; line < last; ++line) {
            const std::string& text = engine.Lines().Get(line);
            for (const auto& row : engine.RowsOf(line)) out << "row " << text.substr(row.Start, row.Length) << "\n";
        }
    }
    EXPECT_TRUE(out.good());
}

TEST_F(NoPrinter, ThePreviewWorksOnTheA4FallbackAndThePrintHintStaysPlain) {
    if (QueueFolder()) GTEST_SKIP() << "a print queue is set up";
    ASSERT_FALSE(tips::platform::PrinterPort().SelectedPrinter().has_value()) << "this machine has a printer";
    std::string hint;
    std::string status;
    std::string errors;
    int sheetWidth = 0;
    Application().SetErrorBox([&](const std::string& text, const std::string&) { errors += text; });
    Show({[&] {
              hint = fvp.PrintCmd.Hint;
              status = fvp.StatusBar.PanelText(1);
              sheetWidth = fvp.CodeEditPrintPreview.Preview().SheetWidth();
              PressCtrlP();
          },
          [&] { ReleaseKeys(); },
          [&] { fvp.CloseCmd.Execute(); }});
    Application().SetErrorBox(nullptr);
    EXPECT_EQ(hint, "Print|Print the document");
    EXPECT_EQ(fvp.ToolBar1.Find("PrintBtn")->Hint, "Print");
    EXPECT_EQ(status, " Page: 1");
    EXPECT_EQ(engine.PrinterInfo().PaperWidth(), 2481);
    EXPECT_EQ(engine.PrinterInfo().PaperHeight(), 3507);
    EXPECT_GE(engine.PageCount(), 2);
    EXPECT_GT(sheetWidth, 0);
    EXPECT_EQ(errors, "There is no default printer currently selected.");
}

}  // namespace
