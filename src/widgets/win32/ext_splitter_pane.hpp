#pragma once
// One pane of a splitter panel: a container with the sunken client edge (2 pixels on each side) that
// holds controls. Only its panel places it; it registers with the panel on construction.

#include "widgets/win32/control.hpp"

namespace tips::widgets {

class TExtSplitterPanel;

class TExtSplitterPane : public TWinControl {
public:
    // The panel must outlive the pane's registration (declare the panel first). A panel that already
    // holds four panes refuses it: the pane then has no index and is never placed.
    explicit TExtSplitterPane(TExtSplitterPanel* panel);
    ~TExtSplitterPane() override;

    TExtSplitterPanel* Panel() const { return panel_; }
    // Index in the panel's pane list; -1 when the panel refused it.
    int PaneIndex() const { return index_; }

protected:
    void CreateParams(TWindowParams& params) override;

private:
    friend class TExtSplitterPanel;
    TExtSplitterPanel* panel_;
    int index_ = -1;
};

}  // namespace tips::widgets
