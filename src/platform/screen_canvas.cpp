#include "platform/screen_canvas.hpp"

namespace tips::platform {

class TRecordingScreenCanvasPort::TOpen final : public TScreenCanvas {
public:
    explicit TOpen(TRecordingScreenCanvasPort& port) : port_(port) {
        canvas_.SetMetricsRule(port.rule_);
        canvas_.SetCharWidthsKnown(port.charWidthsKnown_);
        ++port_.opened_;
        ++port_.open_;
    }
    TOpen(const TOpen&) = delete;
    TOpen& operator=(const TOpen&) = delete;
    ~TOpen() override { --port_.open_; }

    TCanvas& Canvas() override { return canvas_; }

private:
    TRecordingScreenCanvasPort& port_;
    TRecordingCanvas canvas_;
};

std::unique_ptr<TScreenCanvas> TRecordingScreenCanvasPort::OpenScreenCanvas() { return std::make_unique<TOpen>(*this); }

}  // namespace tips::platform
