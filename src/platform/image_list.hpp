#pragma once
// A list of equally sized images that a control draws by index (the editor's bookmark images).
// The window layer implements it over its own image lists; tests use small fakes.

#include "platform/canvas.hpp"

namespace tips::platform {

class TImageList {
public:
    virtual ~TImageList() = default;
    virtual int Count() const = 0;
    // Image `index` (0 <= index < Count()) with its top-left corner at `at`.
    virtual void Draw(TCanvas& canvas, int index, TViewPoint at) const = 0;
};

}  // namespace tips::platform
