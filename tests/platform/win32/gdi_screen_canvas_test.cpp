// The screen canvas port of the Windows build: a GDI canvas on the screen's context whose fonts are
// device fonts, measured on the screen and drawn on any other GDI canvas.

#include "platform/screen_canvas.hpp"

#include <gtest/gtest.h>

#include <optional>

#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_font.hpp"
#include "platform/win32/gdi_object.hpp"

namespace tips::platform {
namespace {

TEST(GdiScreenCanvas, MeasuresDeviceFontsThatDrawOnOtherCanvases) {
    const TFontDescription courier{"Courier New", -13, fsBold, kAnsiCharSet, TFontPitch::fpFixed};
    std::unique_ptr<TFont> font;
    TTextMetrics metrics;
    std::optional<TCharWidths> widths;
    {
        const auto screen = ScreenCanvasPort().OpenScreenCanvas();
        TCanvas& canvas = screen->Canvas();
        ASSERT_NE(dynamic_cast<TGdiCanvas*>(&canvas), nullptr);
        font = canvas.Fonts().MakeFont(courier);
        ASSERT_NE(dynamic_cast<TGdiFont*>(font.get()), nullptr);
        const TSavedCanvasState saved(canvas);
        canvas.SetFont(*font);
        metrics = canvas.TextMetrics();
        widths = canvas.CharWidths('M');
    }
    // A 13-pixel character: the cell is taller (internal leading), and a fixed-pitch "M" is as wide
    // as the average character.
    EXPECT_GE(metrics.Height, 13);
    EXPECT_EQ(metrics.AverageCharWidth, metrics.MaxCharWidth);
    ASSERT_TRUE(widths.has_value());
    EXPECT_EQ(widths->A + widths->B + widths->C, metrics.AverageCharWidth);

    // The font outlives the screen canvas and writes on a memory bitmap.
    TMemoryDC dc(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 40;
    info.bmiHeader.biHeight = -20;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const TBitmapHandle bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const TSelectObject selected(dc.get(), bitmap.get());
    int ink = 0;
    {
        TGdiCanvas canvas(dc.get());
        canvas.FillRect({0, 0, 40, 20}, clWhite);
        canvas.SetFont(*font);
        canvas.SetTextColor(clBlack);
        canvas.WriteText({2, 2}, "MM");
    }
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (GetPixel(dc.get(), x, y) == RGB(0, 0, 0)) ++ink;
        }
    }
    EXPECT_GT(ink, 10);
}

TEST(GdiScreenCanvas, AnInstalledPortTakesOverAndNullBringsTheScreenBack) {
    TRecordingScreenCanvasPort recording;
    SetScreenCanvasPort(&recording);
    {
        const auto screen = ScreenCanvasPort().OpenScreenCanvas();
        EXPECT_EQ(dynamic_cast<TGdiCanvas*>(&screen->Canvas()), nullptr);
        EXPECT_EQ(recording.OpenNow(), 1);
    }
    EXPECT_EQ(recording.OpenNow(), 0);
    SetScreenCanvasPort(nullptr);
    const auto screen = ScreenCanvasPort().OpenScreenCanvas();
    EXPECT_NE(dynamic_cast<TGdiCanvas*>(&screen->Canvas()), nullptr);
}

}  // namespace
}  // namespace tips::platform
