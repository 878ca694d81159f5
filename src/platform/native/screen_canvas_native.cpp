// Without a screen, text is measured on a recording canvas by its fixed rule.

#include "platform/screen_canvas.hpp"

namespace tips::platform {

TScreenCanvasPort& DefaultScreenCanvasPort() {
    static TRecordingScreenCanvasPort port;
    return port;
}

}  // namespace tips::platform
