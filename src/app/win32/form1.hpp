#pragma once
// The main window: owns the tips table and everything that shows or edits it; reads trucos.dat when it is
// created and writes it back when it is destroyed.

#include <string>

#include "widgets/win32/form.hpp"

namespace tips::app {

class TForm1 final : public widgets::TForm {
public:
    // executablePath decides where trucos.dat lives; by default the running program's own path.
    explicit TForm1(std::string executablePath = RunningExecutablePath());
    ~TForm1() override;

    static std::string RunningExecutablePath();

protected:
    void FormCreate() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormDestroy();

    std::string executablePath_;
};

}  // namespace tips::app
