// The screen's device context as a canvas for measuring: GetDC(nullptr) while open.

#include "platform/screen_canvas.hpp"
#include "platform/win32/window_canvas.hpp"

namespace tips::platform {

namespace {

class TGdiScreenCanvas final : public TScreenCanvas {
public:
    TGdiScreenCanvas() : canvas_(nullptr) {}
    TCanvas& Canvas() override { return canvas_.Canvas(); }

private:
    TWindowCanvas canvas_;
};

class TGdiScreenCanvasPort final : public TScreenCanvasPort {
public:
    std::unique_ptr<TScreenCanvas> OpenScreenCanvas() override { return std::make_unique<TGdiScreenCanvas>(); }
};

}  // namespace

TScreenCanvasPort& DefaultScreenCanvasPort() {
    static TGdiScreenCanvasPort port;
    return port;
}

}  // namespace tips::platform
