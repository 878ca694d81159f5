// The print preview window: shown maximised at page 1 with " Page: 1", its toolbar and zoom menu, the
// actions and their shortcuts, the mouse zoom rules, the print hint with and without a printer, the
// wheel and scroll bars of its preview control, and its picture at the whole page and at 100 %.

#include "app/win32/fvp.hpp"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "../../print/print_test_support.hpp"
#include "highlight/vb_highlighter.hpp"
#include "highlight/vb_highlighter_form.hpp"
#include "print/code_edit_print_form.hpp"
#include "widgets/win32/application.hpp"
#include "win32/client_capture.hpp"
#include "win32/keys_held.hpp"
#include "win32/modal_script.hpp"

namespace {

using namespace tips::widgets;
using tips::app::Tfvp;
using tips::print::TCodePreviewScale;
using tips::print::TCodeEditPrint;
using tips_test::TClientCapture;
using tips_test::TModalScript;

constexpr int kRescued = 77;

// A tip of `count` numbered lines of Visual Basic, with a keyword and a comment on each.
std::string CodeOfLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "Dim x" + std::to_string(i) + " As Integer ' line " + std::to_string(i) + "\r\n";
    return text;
}

using tips_test::TKeysHeld;

// What the toolbar's tooltip window shows for each button, in order.
std::vector<std::string> ToolTipTexts(Tfvp& fvp) {
    const HWND tips = reinterpret_cast<HWND>(SendMessageA(fvp.ToolBar1.ToolbarHandle(), TB_GETTOOLTIPS, 0, 0));
    std::vector<std::string> texts;
    if (tips == nullptr) return texts;
    const int count = static_cast<int>(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[80]{};
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        if (!SendMessageA(tips, TTM_ENUMTOOLSA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool))) continue;
        tool.lpszText = text;
        SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        texts.emplace_back(text);
    }
    return texts;
}

std::string BesideTheExecutable(const std::string& name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + name;
}

class PrintPreviewWindow : public ::testing::Test {
protected:
    PrintPreviewWindow() {
        tips::highlight::ConfigureVBHighlighter1(highlighter);
        tips::print::ConfigureCodeEditPrint1(engine, &highlighter);
    }

    // As the main window's print command: the text and title go to the engine, the engine to the
    // preview, and the window shows modally with the steps running.
    int Show(const std::string& code, std::vector<TModalScript::TStep> steps) {
        engine.Lines().SetText(code);
        engine.SetTitle("A tip");
        fvp.CodeEditPrintPreview.Preview().SetCodeEditPrint(&engine);
        TModalScript script(std::move(steps), [this] { fvp.SetModalResult(kRescued); });
        const int result = fvp.ShowModal();
        EXPECT_FALSE(script.Rescued()) << "the window did not close by itself";
        return result;
    }
    tips::print::TCodeEditPrintPreview& Preview() { return fvp.CodeEditPrintPreview.Preview(); }
    HWND PreviewHandle() const { return fvp.CodeEditPrintPreview.Handle(); }
    std::string Status() const { return fvp.StatusBar.PanelText(1); }
    // Every step list ends by closing the window as its close action does.
    TModalScript::TStep CloseStep() {
        return [this] { fvp.CloseCmd.Execute(); };
    }
    // A key as the keyboard sends it to the focused window, with modifiers held while it is handled.
    void PressKey(std::initializer_list<int> held, WPARAM key) {
        held_ = std::make_unique<TKeysHeld>(held);
        const bool alt = std::find(held.begin(), held.end(), VK_MENU) != held.end();
        PostMessageA(GetFocus() ? GetFocus() : fvp.Handle(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key,
                     alt ? (1 | (1 << 29)) : 1);
    }
    void ReleaseKeys() { held_.reset(); }
    void Click(bool left) {
        PostMessageA(PreviewHandle(), left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? MK_LBUTTON : MK_RBUTTON,
                     MAKELPARAM(40, 40));
        PostMessageA(PreviewHandle(), left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, MAKELPARAM(40, 40));
    }

    tips::testing::TFakePrinterPort printer{std::nullopt};
    tips::highlight::TVBHighlighter highlighter;
    TCodeEditPrint engine;
    TOwnedWindow<Tfvp> fvp;
    std::unique_ptr<TKeysHeld> held_;
};

TEST_F(PrintPreviewWindow, IsMadeHiddenWithItsCaptionToolbarPreviewAndStatusBar) {
    EXPECT_FALSE(IsWindowVisible(fvp.Handle()));
    EXPECT_EQ(fvp.Text(), "Print Preview");
    EXPECT_EQ(Preview().ScaleMode(), TCodePreviewScale::pscWholePage);
    EXPECT_EQ(fvp.StatusBar.PanelCount(), 2);
    // The restored size is the designed one.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(fvp.Handle(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 575);
    EXPECT_EQ(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top, 446);

    const std::vector<std::pair<std::string, int>> buttons = {
        {"FirstBtn", 0},     {"PrevBtn", 1},     {"NextBtn", 2},     {"LastBtn", 3}, {"ToolButton1", -1},
        {"ToolButton3", 4},  {"ToolButton2", -1}, {"PrintBtn", 5},    {"ToolButton4", -1}, {"CloseBtn", 6}};
    ASSERT_EQ(fvp.ToolBar1.ButtonCount(), static_cast<int>(buttons.size()));
    for (int i = 0; i < fvp.ToolBar1.ButtonCount(); ++i) {
        const TToolButton& button = fvp.ToolBar1.Button(i);
        EXPECT_EQ(button.Name, buttons[static_cast<std::size_t>(i)].first);
        if (buttons[static_cast<std::size_t>(i)].second >= 0) {
            EXPECT_EQ(button.ImageIndex, buttons[static_cast<std::size_t>(i)].second) << button.Name;
        } else {
            EXPECT_EQ(button.Style, TToolButtonStyle::tbsSeparator) << button.Name;
        }
    }
    EXPECT_EQ(fvp.ToolBar1.Find("ToolButton3")->Style, TToolButtonStyle::tbsDropDown);
    EXPECT_EQ(fvp.ImageList.Count(), 7);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(fvp.ImageList.Handle(), &width, &height);
    EXPECT_EQ(width, 17);
    EXPECT_EQ(height, 17);
    const RECT first = fvp.ToolBar1.ButtonRect(0);
    EXPECT_EQ(first.right - first.left, 24);
    EXPECT_EQ(first.bottom - first.top, 23);
}

TEST_F(PrintPreviewWindow, ActionsCarryTheirHintsImagesAndShortcuts) {
    struct Expected {
        const tips::app::TAction* action;
        const char* hint;
        int image;
        int shortCut;
    };
    const Expected expected[] = {{&fvp.FirstCmd, "First|Go to first page", 0, 32838},
                                 {&fvp.PrevCmd, "Previous|Go to previous page", 1, 32848},
                                 {&fvp.NextCmd, "Next|Go to next page", 2, 32846},
                                 {&fvp.LastCmd, "Last|Go to last page", 3, 32844},
                                 {&fvp.ZoomCmd, "Zoom|Zoom In/Out", 4, 32858},
                                 {&fvp.PrintCmd, "Print|Print the document", 5, 16464},
                                 {&fvp.CloseCmd, "Close|Close Print Preview", 6, 32835}};
    for (const Expected& e : expected) {
        EXPECT_EQ(e.action->Hint, e.hint) << e.action->Name;
        EXPECT_EQ(e.action->ImageIndex, e.image) << e.action->Name;
        EXPECT_EQ(e.action->ShortCut, e.shortCut) << e.action->Name;
    }
    // The buttons' tooltips are the short hints, as the toolbar's tooltip window reads them.
    EXPECT_EQ(fvp.ToolBar1.Find("FirstBtn")->Hint, "First");
    EXPECT_EQ(fvp.ToolBar1.Find("ToolButton3")->Hint, "Zoom");
    EXPECT_EQ(fvp.ToolBar1.Find("CloseBtn")->Hint, "Close");
    const std::vector<std::string> texts = ToolTipTexts(fvp);
    EXPECT_EQ(texts, (std::vector<std::string>{"First", "Previous", "Next", "Last", "Zoom", "Print", "Close"}));
}

TEST_F(PrintPreviewWindow, OpensMaximisedAtPageOneWithItsStatusEveryTime) {
    bool zoomed = false;
    RECT frame{};
    std::string statusAtOpen;
    int pageAtOpen = 0;
    int pagesFirst = 0;
    Show(CodeOfLines(150), {[&] {
                                zoomed = IsZoomed(fvp.Handle()) != FALSE;
                                GetWindowRect(fvp.Handle(), &frame);
                                statusAtOpen = Status();
                                pageAtOpen = Preview().CurrentPage();
                                pagesFirst = engine.PageCount();
                                fvp.LastCmd.Execute();
                            },
                            CloseStep()});
    EXPECT_TRUE(zoomed);
    EXPECT_LE(frame.left, 0);
    EXPECT_GE(frame.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(statusAtOpen, " Page: 1");
    EXPECT_EQ(pageAtOpen, 1);
    EXPECT_EQ(pagesFirst, 3);
    EXPECT_EQ(Preview().CurrentPage(), 3);
    EXPECT_FALSE(IsWindowVisible(fvp.Handle()));

    // A second tip: page 1 again, laid out anew.
    Show(CodeOfLines(10), {[&] {
                               statusAtOpen = Status();
                               pageAtOpen = Preview().CurrentPage();
                               pagesFirst = engine.PageCount();
                           },
                           CloseStep()});
    EXPECT_EQ(statusAtOpen, " Page: 1");
    EXPECT_EQ(pageAtOpen, 1);
    EXPECT_EQ(pagesFirst, 1);
}

TEST_F(PrintPreviewWindow, AnEmptyTipOpensOnOneEmptyPage) {
    std::string status;
    Show("", {[&] { status = Status(); }, CloseStep()});
    EXPECT_EQ(status, " Page: 1");
    EXPECT_EQ(engine.PageCount(), 1);
    EXPECT_EQ(engine.Lines().Count(), 0);
}

TEST_F(PrintPreviewWindow, AltKeysPageZoomAndCloseWithinTheDocument) {
    struct Case {
        int key;
        int page;
    };
    // From page 1 of 3: next, next, next (stays on the last), previous, last, first.
    const Case cases[] = {{'N', 2}, {'N', 3}, {'N', 3}, {'P', 2}, {'L', 3}, {'F', 1}, {'P', 1}};
    std::vector<TModalScript::TStep> steps;
    std::vector<std::pair<int, std::string>> seen;
    for (const Case& c : cases) {
        steps.push_back([this, c] { PressKey({VK_MENU}, static_cast<WPARAM>(c.key)); });
        steps.push_back([this, &seen] {
            ReleaseKeys();
            seen.emplace_back(Preview().CurrentPage(), Status());
        });
    }
    // Zoom to 100 % by a click, then Alt+Z back to the whole page, then Alt+C closes.
    steps.push_back([this] { Click(true); });
    steps.push_back([this] { PressKey({VK_MENU}, 'Z'); });
    steps.push_back([this] { ReleaseKeys(); });
    steps.push_back([this] { PressKey({VK_MENU}, 'C'); });
    const int result = Show(CodeOfLines(150), std::move(steps));
    ReleaseKeys();
    EXPECT_NE(result, kRescued) << "Alt+C did not close the window";
    ASSERT_EQ(seen.size(), std::size(cases));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].first, cases[i].page) << "after key " << i;
        EXPECT_EQ(seen[i].second, " Page: " + std::to_string(cases[i].page)) << "after key " << i;
    }
    EXPECT_EQ(Preview().ScaleMode(), TCodePreviewScale::pscWholePage);
}

TEST_F(PrintPreviewWindow, MouseButtonsZoomInAndOutWithinTheirLimits) {
    // Left: whole page -> 100 -> 200 -> 400 -> 400; right: 200 -> 100 -> 50 -> 25 -> 25; back to the
    // whole page, a right click halves the last percentage set (25 stays 25, so go via 400 first).
    const std::vector<std::pair<bool, int>> clicks = {{true, 100},  {true, 200},  {true, 400},  {true, 400},
                                                      {false, 200}, {false, 100}, {false, 50},  {false, 25},
                                                      {false, 25},  {true, 50},   {true, 100}};
    std::vector<int> seen;
    std::vector<TModalScript::TStep> steps;
    for (const auto& [left, percent] : clicks) {
        steps.push_back([this, left = left] { Click(left); });
        steps.push_back([this, &seen] {
            EXPECT_EQ(Preview().ScaleMode(), TCodePreviewScale::pscUserScaled);
            seen.push_back(Preview().ScalePercent());
        });
    }
    int afterWholePageRightClick = 0;
    steps.push_back([this] { fvp.ZoomCmd.Execute(); });
    steps.push_back([this] { Click(false); });
    steps.push_back([&] { afterWholePageRightClick = Preview().ScalePercent(); });
    steps.push_back(CloseStep());
    Show(CodeOfLines(20), std::move(steps));
    std::vector<int> expected;
    for (const auto& click : clicks) expected.push_back(click.second);
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(afterWholePageRightClick, 50);
    EXPECT_EQ(Preview().ScaleMode(), TCodePreviewScale::pscUserScaled);
}

TEST_F(PrintPreviewWindow, ZoomMenuItemsSetTheScaleByTheirTags) {
    const std::vector<std::pair<std::string, std::string>> captions = {
        {"Fitto1", "Whole page"}, {"Pagewidth1", "Page width"}, {"N1", "-"},       {"N251", "25%"},
        {"N501", "50%"},          {"N1001", "100%"},           {"N2001", "200%"}, {"N4001", "400%"}};
    ASSERT_EQ(fvp.PopupMenu1.Items().size(), captions.size());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(fvp.PopupMenu1.Items()[i].Name, captions[i].first);
        EXPECT_EQ(fvp.PopupMenu1.Items()[i].Caption, captions[i].second);
    }
    EXPECT_EQ(GetMenuItemCount(fvp.PopupMenu1.Handle()), 8);
    struct Case {
        const char* item;
        TCodePreviewScale mode;
        int percent;
    };
    const Case cases[] = {{"N251", TCodePreviewScale::pscUserScaled, 25},
                          {"Pagewidth1", TCodePreviewScale::pscPageWidth, 25},
                          {"N4001", TCodePreviewScale::pscUserScaled, 400},
                          {"Fitto1", TCodePreviewScale::pscWholePage, 400},
                          {"N1001", TCodePreviewScale::pscUserScaled, 100},
                          {"N501", TCodePreviewScale::pscUserScaled, 50},
                          {"N2001", TCodePreviewScale::pscUserScaled, 200}};
    std::vector<TModalScript::TStep> steps;
    for (const Case& c : cases) {
        steps.push_back([this, c] {
            fvp.PopupMenu1.Click(*fvp.PopupMenu1.Find(c.item));
            EXPECT_EQ(Preview().ScaleMode(), c.mode) << c.item;
            EXPECT_EQ(Preview().ScalePercent(), c.percent) << c.item;
        });
    }
    // The zoom button itself (not its arrow) returns to the whole page.
    steps.push_back([this] {
        const RECT button = fvp.ToolBar1.ButtonRect(5);
        POINT centre{(button.left + button.right) / 2 - 4, (button.top + button.bottom) / 2};
        MapWindowPoints(fvp.ToolBar1.Handle(), fvp.ToolBar1.ToolbarHandle(), &centre, 1);
        PostMessageA(fvp.ToolBar1.ToolbarHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        PostMessageA(fvp.ToolBar1.ToolbarHandle(), WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    });
    TCodePreviewScale afterButton = TCodePreviewScale::pscUserScaled;
    steps.push_back([&] { afterButton = Preview().ScaleMode(); });
    steps.push_back(CloseStep());
    Show(CodeOfLines(20), std::move(steps));
    EXPECT_EQ(afterButton, TCodePreviewScale::pscWholePage);
}

TEST_F(PrintPreviewWindow, TheZoomButtonsArrowOpensTheZoomMenuBelowIt) {
    RECT menuRect{};
    RECT buttonOnScreen{};
    bool menuShown = false;
    std::vector<TModalScript::TStep> steps;
    steps.push_back([&] {
        const RECT button = fvp.ToolBar1.ButtonRect(5);
        buttonOnScreen = button;
        MapWindowPoints(fvp.ToolBar1.Handle(), nullptr, reinterpret_cast<POINT*>(&buttonOnScreen), 2);
        POINT arrow{button.right - 3, (button.top + button.bottom) / 2};
        MapWindowPoints(fvp.ToolBar1.Handle(), fvp.ToolBar1.ToolbarHandle(), &arrow, 1);
        PostMessageA(fvp.ToolBar1.ToolbarHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrow.x, arrow.y));
        PostMessageA(fvp.ToolBar1.ToolbarHandle(), WM_LBUTTONUP, 0, MAKELPARAM(arrow.x, arrow.y));
    });
    // Runs inside the menu's own loop: the menu is up. Down three times (Whole page, Page width, then
    // past the separator to 25%) and Enter.
    steps.push_back([&] {
        const HWND menu = FindWindowA("#32768", nullptr);
        menuShown = menu != nullptr && IsWindowVisible(menu);
        if (menu != nullptr) GetWindowRect(menu, &menuRect);
        for (int i = 0; i < 3; ++i) tips_test::PostKey(fvp.Handle(), VK_DOWN);
        tips_test::PostKey(fvp.Handle(), VK_RETURN);
    });
    TCodePreviewScale mode = TCodePreviewScale::pscWholePage;
    int percent = 0;
    steps.push_back([&] {
        mode = Preview().ScaleMode();
        percent = Preview().ScalePercent();
    });
    steps.push_back(CloseStep());
    Show(CodeOfLines(20), std::move(steps));
    EXPECT_TRUE(menuShown);
    EXPECT_EQ(menuRect.left, buttonOnScreen.left);
    EXPECT_EQ(menuRect.top, buttonOnScreen.bottom);
    EXPECT_EQ(mode, TCodePreviewScale::pscUserScaled);
    EXPECT_EQ(percent, 25);
}

TEST_F(PrintPreviewWindow, TheToolbarButtonsRunTheirActions) {
    auto clickButton = [this](const char* name) {
        int index = 0;
        while (fvp.ToolBar1.Button(index).Name != name) ++index;
        const RECT button = fvp.ToolBar1.ButtonRect(index);
        POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
        MapWindowPoints(fvp.ToolBar1.Handle(), fvp.ToolBar1.ToolbarHandle(), &centre, 1);
        PostMessageA(fvp.ToolBar1.ToolbarHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        PostMessageA(fvp.ToolBar1.ToolbarHandle(), WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    };
    std::vector<int> pages;
    const int result = Show(CodeOfLines(150), {[&] { clickButton("NextBtn"); },
                                               [&] { pages.push_back(Preview().CurrentPage()); clickButton("LastBtn"); },
                                               [&] { pages.push_back(Preview().CurrentPage()); clickButton("PrevBtn"); },
                                               [&] { pages.push_back(Preview().CurrentPage()); clickButton("FirstBtn"); },
                                               [&] { pages.push_back(Preview().CurrentPage()); clickButton("CloseBtn"); }});
    EXPECT_NE(result, kRescued);
    EXPECT_EQ(pages, (std::vector<int>{2, 3, 2, 1}));
}

TEST_F(PrintPreviewWindow, CtrlPPrintsEveryPageAndKeepsTheWindowOpen) {
    printer.Select(tips::testing::LetterPrinter());
    std::vector<std::string> logAfterFirst;
    bool stillShown = false;
    std::string status;
    Show(CodeOfLines(150), {[&] { PressKey({VK_CONTROL}, 'P'); },
                            [&] {
                                ReleaseKeys();
                                logAfterFirst = printer.log;
                                stillShown = IsWindowVisible(fvp.Handle()) != FALSE;
                                status = Status();
                                PressKey({VK_CONTROL}, 'P');
                            },
                            [&] { ReleaseKeys(); },
                            CloseStep()});
    const int pages = engine.PageCount();
    ASSERT_GE(pages, 2);
    std::vector<std::string> job{"begin A tip"};
    for (int i = 1; i < pages; ++i) job.push_back("new page");
    job.push_back("end");
    EXPECT_EQ(logAfterFirst, job);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(status, " Page: 1");
    // Printing twice prints twice.
    std::vector<std::string> twice = job;
    twice.insert(twice.end(), job.begin(), job.end());
    EXPECT_EQ(printer.log, twice);
}

TEST_F(PrintPreviewWindow, ThePrintHintNamesTheSelectedPrinterOnlyWhenThereIsOne) {
    std::string hintWithout;
    Show(CodeOfLines(5), {[&] { hintWithout = fvp.PrintCmd.Hint; }, CloseStep()});
    EXPECT_EQ(hintWithout, "Print|Print the document");
    EXPECT_EQ(fvp.ToolBar1.Find("PrintBtn")->Hint, "Print");

    printer.Select(tips::platform::TSelectedPrinter{"Oficina", tips::testing::LetterPrinter().Caps});
    Show(CodeOfLines(5), {CloseStep()});
    EXPECT_EQ(fvp.PrintCmd.Hint, "Print (Oficina)|Print the document on Oficina");
    EXPECT_EQ(fvp.ToolBar1.Find("PrintBtn")->Hint, "Print (Oficina)");
    const std::vector<std::string> tooltips = ToolTipTexts(fvp);
    ASSERT_EQ(tooltips.size(), 7u);
    EXPECT_EQ(tooltips[5], "Print (Oficina)");
}

TEST_F(PrintPreviewWindow, PrintingWithoutAPrinterShowsTheErrorAndKeepsThePreview) {
    std::string error;
    Application().SetErrorBox([&](const std::string& text, const std::string&) { error = text; });
    Show(CodeOfLines(5), {[&] { PressKey({VK_CONTROL}, 'P'); }, [&] { ReleaseKeys(); }, CloseStep()});
    Application().SetErrorBox(nullptr);
    EXPECT_EQ(error, "There is no default printer currently selected.");
    EXPECT_TRUE(printer.log.empty());
}

TEST_F(PrintPreviewWindow, TheWheelScrollsByWholeNotchesExceptOnTheWholePage) {
    int wholePageScroll = 1;
    int afterHalfNotch = 1;
    int afterTwoHalves = 1;
    int pageBarPage = 0;
    Show(CodeOfLines(150), {[&] {
                                SendMessageA(PreviewHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
                                wholePageScroll = Preview().ScrollY();
                                SendMessageA(PreviewHandle(), WM_VSCROLL, SB_LINEDOWN, 0);
                                pageBarPage = Preview().CurrentPage();
                                Click(true);
                            },
                            [&] {
                                SendMessageA(PreviewHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)), 0);
                                afterHalfNotch = Preview().ScrollY();
                                SendMessageA(PreviewHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)), 0);
                                afterTwoHalves = Preview().ScrollY();
                            },
                            CloseStep()});
    EXPECT_EQ(wholePageScroll, 0);
    EXPECT_EQ(pageBarPage, 2);
    EXPECT_EQ(afterHalfNotch, 0);
    EXPECT_EQ(afterTwoHalves, -120);
}

// The sheet on the workspace grey with its shadow, at the whole page and at 100 %; both pictures are
// written beside the test executable to look at.
TEST_F(PrintPreviewWindow, PaintsTheSheetWithItsShadowOnGrey) {
    struct Shot {
        std::unique_ptr<TClientCapture> capture;
        int left, top, width, height;
    };
    Shot whole;
    Shot real;
    auto take = [this](Shot& shot) {
        InvalidateRect(PreviewHandle(), nullptr, FALSE);
        shot.capture = std::make_unique<TClientCapture>(PreviewHandle());
        shot.left = Preview().SheetLeft() + Preview().ScrollX();
        shot.top = Preview().SheetTop();
        shot.width = Preview().SheetWidth();
        shot.height = Preview().SheetHeight();
    };
    std::unique_ptr<TClientCapture> window;
    Show(CodeOfLines(40), {[&] {
                               take(whole);
                               window = std::make_unique<TClientCapture>(fvp.Handle());
                           },
                           [&] { Click(true); },
                           [&] { take(real); },
                           CloseStep()});
    whole.capture->Save(BesideTheExecutable("preview_whole_page.bmp"));
    real.capture->Save(BesideTheExecutable("preview_100_percent.bmp"));
    window->Save(BesideTheExecutable("preview_window.bmp"));
    // The toolbar's images are drawn: the first button's arrow is blue.
    bool arrow = false;
    const RECT first = fvp.ToolBar1.ButtonRect(0);
    for (int y = first.top; y < first.bottom && !arrow; ++y) {
        for (int x = first.left; x < first.right && !arrow; ++x) arrow = window->At(x, y) == RGB(0, 64, 160);
    }
    EXPECT_TRUE(arrow);

    const COLORREF grey = GetSysColor(COLOR_APPWORKSPACE);
    const TClientCapture& w = *whole.capture;
    EXPECT_EQ(w.At(2, 2), grey);
    EXPECT_EQ(w.At(whole.left - 2, whole.top + 5), grey);
    EXPECT_EQ(w.At(whole.left, whole.top + 5), RGB(0, 0, 0)) << "the sheet's border";
    EXPECT_EQ(w.At(whole.left + whole.width / 2, whole.top + 2), RGB(255, 255, 255));
    EXPECT_EQ(w.At(whole.left + whole.width + 2, whole.top + whole.height / 2), RGB(128, 128, 128)) << "shadow";
    // The whole page fits the window, centred across.
    EXPECT_EQ(whole.height, w.Height() - 26);
    EXPECT_NEAR(whole.left - 12, w.Width() - (whole.left + whole.width + 14), 1);

    // At 100 % the A4 sheet takes its real size on a 96 dpi screen and starts 12 pixels in.
    EXPECT_EQ(real.width, 794);
    EXPECT_EQ(real.height, 1122);
    const TClientCapture& r = *real.capture;
    EXPECT_EQ(r.At(real.left + 100, 13 + 100), RGB(255, 255, 255));
    // Text is drawn on the sheet: a dark pixel somewhere in the first rows of the text area.
    bool ink = false;
    for (int y = real.top + 90; y < real.top + 120 && !ink; ++y) {
        for (int x = real.left + 90; x < real.left + 400 && !ink; ++x) ink = GetRValue(r.At(x, y)) < 100;
    }
    EXPECT_TRUE(ink);
}

}  // namespace
