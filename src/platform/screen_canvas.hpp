#pragma once
// The screen as a canvas for measuring text outside any paint. Measuring code opens one through
// the process's port, makes its fonts with the canvas's Fonts() and reads their metrics with them
// selected; the fonts outlive the canvas. Each build has its own port (GDI's screen context on
// Windows, a recording canvas elsewhere); a program or a test may install another.

#include <memory>

#include "platform/canvas.hpp"
#include "platform/recording_canvas.hpp"

namespace tips::platform {

// An open screen canvas; closing it (destroying this) releases the device.
class TScreenCanvas {
public:
    virtual ~TScreenCanvas() = default;
    virtual TCanvas& Canvas() = 0;
};

class TScreenCanvasPort {
public:
    virtual ~TScreenCanvasPort() = default;
    virtual std::unique_ptr<TScreenCanvas> OpenScreenCanvas() = 0;
};

// The build's own port (defined with the build's platform implementation).
TScreenCanvasPort& DefaultScreenCanvasPort();

inline TScreenCanvasPort*& InstalledScreenCanvasPort() {
    static TScreenCanvasPort* port = nullptr;
    return port;
}
// The port measuring code uses: the installed one, else the default. Installing nullptr brings the
// default back. The installed port must outlive everything measured with it.
inline TScreenCanvasPort& ScreenCanvasPort() {
    TScreenCanvasPort* installed = InstalledScreenCanvasPort();
    return installed != nullptr ? *installed : DefaultScreenCanvasPort();
}
inline void SetScreenCanvasPort(TScreenCanvasPort* port) { InstalledScreenCanvasPort() = port; }

// Installs a port for a scope and brings the default back when the scope ends.
class TScreenCanvasPortInstalled {
public:
    explicit TScreenCanvasPortInstalled(TScreenCanvasPort& port) { SetScreenCanvasPort(&port); }
    ~TScreenCanvasPortInstalled() { SetScreenCanvasPort(nullptr); }
    TScreenCanvasPortInstalled(const TScreenCanvasPortInstalled&) = delete;
    TScreenCanvasPortInstalled& operator=(const TScreenCanvasPortInstalled&) = delete;
};

// A screen that is a recording canvas measuring by a rule; counts how often it was opened and how
// many canvases are open now, so that tests can see contexts being shared and given back.
class TRecordingScreenCanvasPort final : public TScreenCanvasPort {
public:
    explicit TRecordingScreenCanvasPort(TRecordingCanvas::TMetricsRule rule = TRecordingCanvas::DefaultMetrics,
                                        bool charWidthsKnown = true)
        : rule_(std::move(rule)), charWidthsKnown_(charWidthsKnown) {}

    std::unique_ptr<TScreenCanvas> OpenScreenCanvas() override;

    int OpenedCount() const { return opened_; }
    int OpenNow() const { return open_; }

private:
    class TOpen;
    TRecordingCanvas::TMetricsRule rule_;
    bool charWidthsKnown_;
    int opened_ = 0;
    int open_ = 0;
};

}  // namespace tips::platform
