#pragma once
// The main window: owns the tips table and everything that shows or edits it; reads trucos.dat when it is
// created and writes it back when it is destroyed.

#include <string>

#include "app/tips_file_keeper.hpp"
#include "platform/collator.hpp"
#include "skin/skin_source.hpp"
#include "store/data_source.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"
#include "widgets/win32/form.hpp"

namespace tips::app {

class TForm1 final : public widgets::TForm {
public:
    // executablePath decides where trucos.dat lives; by default the running program's own path.
    explicit TForm1(std::string executablePath = RunningExecutablePath());
    ~TForm1() override;

    static std::string RunningExecutablePath();

    // The window's components, by their names.
    store::TMemoryTable tbTrucos{"tbTrucos", platform::UserDefaultCollator()};
    const store::TTipsFields tbTrucosFields = store::CreateTipsFields(tbTrucos);
    store::TDataSource dsTrucos{&tbTrucos};
    skin::TSkinSource SkinSource1;

protected:
    void FormCreate() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormDestroy();

    std::string executablePath_;
    TTipsFileKeeper tipsFile_;
};

}  // namespace tips::app
