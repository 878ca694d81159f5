#include "widgets/win32/ext_splitter_pane.hpp"

#include "widgets/win32/ext_splitter_panel.hpp"

namespace tips::widgets {

TExtSplitterPane::TExtSplitterPane(TExtSplitterPanel* panel) : TWinControl(panel), panel_(panel) {
    if (panel_) panel_->RegisterPane(*this);
}

TExtSplitterPane::~TExtSplitterPane() {
    if (panel_) panel_->UnregisterPane(*this);
}

void TExtSplitterPane::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    static const TWindowClass windowClass{"TExtSplitterPane"};
    params.windowClass = &windowClass;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

}  // namespace tips::widgets
