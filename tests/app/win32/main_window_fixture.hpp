#pragma once
// A private directory standing in for the executable's own, tips files made with the store, and the
// error box and the questions recorded instead of shown: what every main-window test starts from.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/app_texts.hpp"
#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "widgets/win32/application.hpp"
#include "win32/window_lifetime_check.hpp"

namespace tips_test {

inline std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

struct TTip {
    std::string categoria;
    std::string descripcion;
    std::string truco = "Open \"x.txt\" For Input As #1\r\nClose #1";
};

// The bytes of a tips file holding the tips in this order.
inline std::string FileWith(const std::vector<TTip>& tips) {
    tips::store::TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    const auto fields = tips::store::CreateTipsFields(table);
    table.Open();
    for (const TTip& tip : tips) {
        table.Append();
        fields.Categoria->SetAsString(tip.categoria);
        fields.Descripcion->SetAsString(tip.descripcion);
        fields.Truco->SetAsString(tip.truco);
        table.Post();
    }
    return table.SaveToBytes();
}

inline std::string FileWith(std::initializer_list<const char*> titles) {
    std::vector<TTip> tips;
    for (const char* title : titles) tips.push_back({"Ficheros", title});
    return FileWith(tips);
}

// The tips of a tips file in file order; nullopt when it does not load completely.
inline std::optional<std::vector<TTip>> ReadTips(const std::string& path) {
    tips::store::TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    const auto fields = tips::store::CreateTipsFields(table);
    if (!table.LoadFromFile(path).complete) return std::nullopt;
    std::vector<TTip> tips;
    for (table.First(); !table.Eof(); table.Next()) {
        tips.push_back({fields.Categoria->AsString(), fields.Descripcion->AsString(), fields.Truco->AsString()});
    }
    return tips;
}

// The code of the tip with this title in a tips file ("?" when it has none or does not load).
inline std::string SavedCode(const std::string& path, const std::string& title) {
    for (const TTip& tip : ReadTips(path).value_or(std::vector<TTip>{})) {
        if (tip.descripcion == title) return tip.truco;
    }
    return "?";
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir_ = std::string(temp) + "tips-form1-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir_.c_str(), nullptr);
        DeleteFileA(TipsFile().c_str());
        RemoveDirectoryA(TipsFile().c_str());
        tips::widgets::Application().SetTitle(tips::app::kApplicationTitle);
        tips::widgets::Application().SetErrorBox([this](const std::string& text, const std::string& caption) {
            boxes_.emplace_back(text, caption);
        });
        // Like a real box, the recorded one takes the focus while it is up and gives it back when it closes.
        tips::widgets::Application().SetMessageBox([this](const std::string& text, const std::string& caption, UINT flags) {
            questions_.push_back({text, caption, flags});
            const HWND focus = GetFocus();
            SetFocus(nullptr);
            SetFocus(focus);
            return answer_;
        });
    }
    void TearDown() override {
        tips::widgets::Application().SetErrorBox(nullptr);
        tips::widgets::Application().SetMessageBox(nullptr);
        RemoveDirectoryA(TipsFile().c_str());
        DeleteFileA(TipsFile().c_str());
        RemoveDirectoryA(dir_.c_str());
    }

    std::string Executable() const { return dir_ + "\\tips.exe"; }
    std::string TipsFile() const { return dir_ + "\\trucos.dat"; }

    struct TQuestion {
        std::string text;
        std::string caption;
        UINT flags;
    };

    std::string dir_;
    std::vector<std::pair<std::string, std::string>> boxes_;
    // The questions the program asked, each answered with answer_.
    std::vector<TQuestion> questions_;
    int answer_ = IDYES;
};

}  // namespace tips_test
