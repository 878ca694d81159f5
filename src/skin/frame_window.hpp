#pragma once
// What the frame skinning knows of one window: its kind and capabilities (read once when it is
// attached) and its state (changing as it is used). Plain values, so that every decision about the
// frame can be made and tested without a window.

namespace tips::skin {

// Plain: a thick frame or the window-edge style; frameless: a popup without a full caption.
enum class TFrameKind { Plain, Frameless, Other };
enum class TMdiRole { None, Frame, Child };
enum class TWindowShow { Normal, Maximised, Minimised };

struct TFrameWindowTraits {
    TFrameKind Kind = TFrameKind::Plain;
    TMdiRole Mdi = TMdiRole::None;
    bool HasSystemMenu = true;
    bool HasMinimiseBox = true;
    bool HasMaximiseBox = true;
    bool RightToLeft = false;
    bool PopupStyle = false;
    bool HasMenu = false;
    bool MdiChildMaximised = false;  // an MDI frame whose active child is maximised
};

struct TFrameWindowState {
    TWindowShow Show = TWindowShow::Normal;
    bool Active = true;
    bool Maximised() const { return Show == TWindowShow::Maximised; }
    bool Minimised() const { return Show == TWindowShow::Minimised; }
};

}  // namespace tips::skin
