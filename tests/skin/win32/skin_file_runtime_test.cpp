// A skin file given to the serving component at run time: unpacked, edited and packed again the way
// `tipstool skin pack` does, it replaces the embedded skin on the windows already open; a file that
// holds no skin leaves them as they are.

#include "skin/win32/skin_activation.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "skin/embedded_skin.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/lzhuf_encoder.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_folder.hpp"
#include "skin/skin_stream.hpp"
#include "widgets/win32/form.hpp"
#include "win32/client_capture.hpp"

namespace {

using namespace tips::skin;
using tips::skin::win32::TSkinActivation;

void Pump() {
    MSG message;
    for (int round = 0; round < 5; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

class TProbeForm : public tips::widgets::TForm {
public:
    TProbeForm() {
        tips::widgets::TFormLayout layout;
        layout.className = "TSkinFileProbe";
        layout.caption = "Probe";
        layout.width = 360;
        layout.height = 160;
        CreateForm(layout);
    }
};

// Pixels of one colour in the title bar (the embedded skin's is 26 pixels high).
int TitlePixelsOf(HWND window, COLORREF colour) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const tips_test::TClientCapture capture(window, tips_test::TCaptureArea::WholeWindow);
    int count = 0;
    for (int y = 0; y < 26 && y < capture.Height(); ++y)
        for (int x = 0; x < capture.Width(); ++x)
            if (capture.At(x, y) == colour) ++count;
    return count;
}

class SkinFileAtRunTime : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("skin_file_runtime_" + std::to_string(GetCurrentProcessId()));
        std::filesystem::remove_all(folder_);
        source_.Properties.Active = true;
        source_.ReadSkinStream(EmbeddedSkinStream());
        activation_.emplace(source_);
        form_.emplace();
        ShowWindow(form_->Handle(), SW_SHOWNORMAL);
        SetForegroundWindow(form_->Handle());
        SetActiveWindow(form_->Handle());
        Pump();
    }
    void TearDown() override {
        form_.reset();
        activation_.reset();
        std::filesystem::remove_all(folder_);
    }

    // The embedded skin unpacked into a folder, one text of its INI entry replaced, packed into a file.
    std::string EditedSkinFile(const std::string& from, const std::string& to) {
        const auto unpacked = folder_ / "unpacked";
        UnpackSkinArchive(SkinArchive(DecodeSkinFile(ReadSkinStream(EmbeddedSkinStream()).skinFile)), unpacked);
        int edited = 0;
        for (const auto& entry : std::filesystem::directory_iterator(unpacked)) {
            if (entry.path().extension() != ".ini") continue;
            const std::vector<std::uint8_t> bytes = ReadWholeFile(entry.path());
            std::string text(bytes.begin(), bytes.end());
            if (const auto at = text.find(from); at != std::string::npos) {
                text.replace(at, from.size(), to);
                WriteWholeFile(entry.path(), std::vector<std::uint8_t>(text.begin(), text.end()));
                ++edited;
            }
        }
        EXPECT_EQ(edited, 1) << from;
        const auto file = folder_ / "edited.skn";
        WriteWholeFile(file, EncodeSkinFile(WriteSkinArchive(ReadSkinFolder(unpacked))));
        return file.string();
    }

    std::string WrittenFile(const std::string& text) {
        std::filesystem::create_directories(folder_);
        const auto file = folder_ / "not-a-skin.skn";
        WriteWholeFile(file, std::vector<std::uint8_t>(text.begin(), text.end()));
        return file.string();
    }

    HWND Window() const { return form_->Handle(); }
    bool Skinned() const { return activation_->Manager() && activation_->Manager()->Skinned(Window()); }

    std::filesystem::path folder_;
    TSkinSource source_;
    std::optional<TSkinActivation> activation_;
    std::optional<tips::widgets::TOwnedWindow<TProbeForm>> form_;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

TEST_F(SkinFileAtRunTime, AnEditedSkinReplacesTheEmbeddedOneOnAnOpenWindow) {
    ASSERT_TRUE(activation_->Serving());
    ASSERT_TRUE(Skinned());
    const int whiteBefore = TitlePixelsOf(Window(), kWhite);
    EXPECT_GT(whiteBefore, 20);  // the fixed title text
    EXPECT_EQ(TitlePixelsOf(Window(), kYellow), 0);

    source_.SetSkinFile(EditedSkinFile("TitleTextActive=255 255 255", "TitleTextActive=255 255 0"));
    Pump();
    ASSERT_TRUE(source_.SkinLoaded());
    EXPECT_TRUE(Skinned());
    EXPECT_GT(TitlePixelsOf(Window(), kYellow), 20);
    EXPECT_LT(TitlePixelsOf(Window(), kWhite), whiteBefore);
    RECT client{};
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, 360);
    EXPECT_EQ(client.bottom, 160);
}

TEST_F(SkinFileAtRunTime, AFileThatHoldsNoSkinLeavesTheWindowAsItWas) {
    ASSERT_TRUE(Skinned());
    const int whiteBefore = TitlePixelsOf(Window(), kWhite);
    source_.SetSkinFile(WrittenFile("this is not a skin file"));
    Pump();
    EXPECT_TRUE(Skinned());
    EXPECT_EQ(TitlePixelsOf(Window(), kWhite), whiteBefore);
}

}  // namespace
