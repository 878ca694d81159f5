#include "highlight/notify_event_chain.hpp"

#include <algorithm>

namespace tips::highlight {

void TCodeMethodChain::Remove(const TCodeNotifyEvent& handler) {
    std::erase(handlers_, handler);
}

void TCodeNotifyEventChain::Fire(TCodeCustomHighlighter& sender) const {
    // A handler may register or unregister handlers; the walk covers those present when it started.
    const std::vector<TCodeNotifyEvent> snapshot = handlers_;
    for (const auto& handler : snapshot) handler.code(handler.target, sender);
}

}  // namespace tips::highlight
