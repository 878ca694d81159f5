// The classes of plain characters behind the collator's byte-level shortcut.

#include <string>

#include "platform/collator.hpp"

namespace tips::platform {

const TCollator::TPlainClasses& TCollator::FindPlainClasses() const {
    std::call_once(plainClassesFound_, [this] {
        plainClasses_.fill(-1);
        std::string plain;
        for (char c = 'a'; c <= 'z'; ++c) plain += c;
        for (char c = '0'; c <= '9'; ++c) plain += c;
        // A character joins the class of the first earlier one Compare finds equal to it, else starts its own.
        for (std::size_t i = 0; i < plain.size(); ++i) {
            auto found = static_cast<signed char>(i);
            for (std::size_t j = 0; j < i; ++j) {
                if (Compare(plain.substr(i, 1), plain.substr(j, 1), true) == 0) {
                    found = plainClasses_[static_cast<unsigned char>(plain[j])];
                    break;
                }
            }
            const auto at = static_cast<unsigned char>(plain[i]);
            plainClasses_[at] = found;
            if (at >= 'a' && at <= 'z') plainClasses_[at - 'a' + 'A'] = found;
        }
        plainClassesReady_.store(true, std::memory_order_release);
    });
    return plainClasses_;
}

}  // namespace tips::platform
