// CompareStringA with the user's default locale over the zero-terminated texts.

#include <windows.h>

#include <string>

#include "platform/collator.hpp"

namespace tips::platform {
namespace {

class TWin32Collator final : public TCollator {
public:
    int Compare(std::string_view a, std::string_view b, bool ignoreCase) const override {
        // The texts are compared up to their first zero byte, as the zero-terminated API sees them.
        const std::string left(a.substr(0, a.find('\0')));
        const std::string right(b.substr(0, b.find('\0')));
        const int result = CompareStringA(LOCALE_USER_DEFAULT, ignoreCase ? NORM_IGNORECASE : 0, left.c_str(), -1,
                                          right.c_str(), -1);
        return result == 0 ? 0 : result - CSTR_EQUAL;
    }
};

}  // namespace

const TCollator& UserDefaultCollator() {
    static const TWin32Collator collator;
    return collator;
}

}  // namespace tips::platform
