#pragma once
// An image list of the common controls, made from a strip of square images with magenta transparent,
// and destroyed with its owner.

#include <windows.h>
#include <commctrl.h>

#include "skin/bitmap.hpp"

namespace tips::widgets {

class TImageList {
public:
    TImageList() = default;
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;
    ~TImageList();

    // Cuts `strip` into square images of `size`, magenta transparent.
    void Assign(const skin::Image& strip, int size);
    HIMAGELIST Handle() const { return handle_; }
    int Count() const;

private:
    HIMAGELIST handle_ = nullptr;
};

}  // namespace tips::widgets
