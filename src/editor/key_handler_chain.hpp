#pragma once
// The editor's key-event chain: the handlers stored in its OnKeyDown and OnKeyPress properties,
// behind any number of additional handlers that get the event first.

#include <algorithm>
#include <functional>
#include <vector>

#include "editor/shortcut.hpp"

namespace tips::editor {

template <typename Sender>
class TKeyHandlerChain {
public:
    using TKeyEvent = std::function<void(Sender& sender, TVirtualKey& key, TShiftState shift)>;
    using TKeyPressEvent = std::function<void(Sender& sender, char& key)>;

    // The handlers of the editor's published events.
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

    // Additional handlers run from the last added to the first; the returned id removes one.
    int AddKeyDownHandler(TKeyEvent handler) {
        keyDown_.push_back({nextId_, std::move(handler)});
        return nextId_++;
    }
    int AddKeyPressHandler(TKeyPressEvent handler) {
        keyPress_.push_back({nextId_, std::move(handler)});
        return nextId_++;
    }
    void RemoveKeyDownHandler(int id) { RemoveById(keyDown_, id); }
    void RemoveKeyPressHandler(int id) { RemoveById(keyPress_, id); }

    // Runs the chain until a handler sets the key to 0; the property's handler runs last. An
    // event that arrives while the chain is running is ignored.
    void ExecuteKeyDown(Sender& sender, TVirtualKey& key, TShiftState shift) {
        Run(inKeyDown_, keyDown_, OnKeyDown, key, [&](const TKeyEvent& handler) { handler(sender, key, shift); });
    }
    void ExecuteKeyPress(Sender& sender, char& key) {
        Run(inKeyPress_, keyPress_, OnKeyPress, key, [&](const TKeyPressEvent& handler) { handler(sender, key); });
    }

private:
    template <typename Handler>
    struct Entry {
        int id;
        Handler handler;
    };

    // Marks the chain busy for the scope, also when a handler throws.
    class TBusy {
    public:
        explicit TBusy(bool& flag) : flag_(flag) { flag_ = true; }
        ~TBusy() { flag_ = false; }
        TBusy(const TBusy&) = delete;
        TBusy& operator=(const TBusy&) = delete;

    private:
        bool& flag_;
    };

    template <typename Entries>
    static void RemoveById(Entries& entries, int id) {
        std::erase_if(entries, [id](const auto& entry) { return entry.id == id; });
    }

    template <typename Handler, typename Key, typename Call>
    static void Run(bool& busy, const std::vector<Entry<Handler>>& entries, const Handler& property, const Key& key,
                    const Call& call) {
        if (busy) return;
        const TBusy guard(busy);
        // A copy, so that a handler may add or remove handlers while the chain runs.
        const auto handlers = entries;
        for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
            call(it->handler);
            if (key == 0) return;
        }
        if (property) call(property);
    }

    std::vector<Entry<TKeyEvent>> keyDown_;
    std::vector<Entry<TKeyPressEvent>> keyPress_;
    int nextId_ = 1;
    bool inKeyDown_ = false;
    bool inKeyPress_ = false;
};

class TCustomCodeEdit;
using TCodeEditKbdHandler = TKeyHandlerChain<TCustomCodeEdit>;

}  // namespace tips::editor
