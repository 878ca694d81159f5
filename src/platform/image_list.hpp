#pragma once
// A list of equally sized images that a control draws by index (the editor's bookmark images).
// The window layer implements it over its own image lists; tests use small fakes. Whoever keeps a
// pointer to a list watches it, and is told when it goes away.

#include <algorithm>
#include <vector>

#include "platform/canvas.hpp"

namespace tips::platform {

class TImageList;

class TImageListObserver {
public:
    virtual void ImageListDestroyed(const TImageList& list) = 0;

protected:
    virtual ~TImageListObserver() = default;
};

class TImageList {
public:
    TImageList() = default;
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;
    virtual ~TImageList() {
        const std::vector<TImageListObserver*> observers = observers_;
        for (TImageListObserver* observer : observers) observer->ImageListDestroyed(*this);
    }

    virtual int Count() const = 0;
    // Image `index` (0 <= index < Count()) with its top-left corner at `at`.
    virtual void Draw(TCanvas& canvas, int index, TViewPoint at) const = 0;

    void AddObserver(TImageListObserver* observer) const { observers_.push_back(observer); }
    void RemoveObserver(TImageListObserver* observer) const { std::erase(observers_, observer); }

private:
    mutable std::vector<TImageListObserver*> observers_;
};

}  // namespace tips::platform
