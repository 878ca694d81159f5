#pragma once
// Ordered lists of handlers that a highlighter calls when its attributes change.

#include <vector>

namespace tips::highlight {

class TCodeCustomHighlighter;

// A handler: its code together with its target object; the pair identifies it.
struct TCodeNotifyEvent {
    void* target = nullptr;
    void (*code)(void* target, TCodeCustomHighlighter& sender) = nullptr;

    bool operator==(const TCodeNotifyEvent&) const = default;

    // Binds a member function `void T::Method(TCodeCustomHighlighter&)` of `object`.
    template <auto Method, typename T>
    static TCodeNotifyEvent Bind(T& object) {
        return {&object, [](void* t, TCodeCustomHighlighter& sender) { (static_cast<T*>(t)->*Method)(sender); }};
    }
};

// Keeps handlers in registration order; a handler added twice is kept twice.
class TCodeMethodChain {
public:
    void Add(const TCodeNotifyEvent& handler) { handlers_.push_back(handler); }
    // Removes every registration of the handler.
    void Remove(const TCodeNotifyEvent& handler);
    int Count() const { return static_cast<int>(handlers_.size()); }

protected:
    std::vector<TCodeNotifyEvent> handlers_;
};

class TCodeNotifyEventChain : public TCodeMethodChain {
public:
    // Calls each handler in registration order; an error stops the walk and propagates.
    void Fire(TCodeCustomHighlighter& sender) const;
};

}  // namespace tips::highlight
