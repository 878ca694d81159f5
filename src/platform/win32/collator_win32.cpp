// CompareStringA with the user's default locale over the zero-terminated texts.

#include <windows.h>

#include <array>
#include <string>

#include "platform/collator.hpp"

namespace tips::platform {
namespace {

class TWin32Collator final : public TCollator {
public:
    int Compare(std::string_view a, std::string_view b, bool ignoreCase) const override {
        // The texts are compared up to their first zero byte, as the zero-terminated API sees them; given
        // with their lengths, they need no terminated copies (the search box compares every title).
        const std::string_view left = a.substr(0, a.find('\0'));
        const std::string_view right = b.substr(0, b.find('\0'));
        const auto text = [](std::string_view part) { return part.empty() ? "" : part.data(); };
        const auto length = [](std::string_view part) { return part.empty() ? -1 : static_cast<int>(part.size()); };
        const int result = CompareStringA(LOCALE_USER_DEFAULT, ignoreCase ? NORM_IGNORECASE : 0, text(left),
                                          length(left), text(right), length(right));
        return result == 0 ? 0 : result - CSTR_EQUAL;
    }

    std::string SortKey(std::string_view text, bool ignoreCase) const override {
        const std::string_view source = text.substr(0, text.find('\0'));
        const DWORD flags = LCMAP_SORTKEY | (ignoreCase ? NORM_IGNORECASE : 0);
        // Given with its length, the text needs no terminated copy; an empty one is the empty string.
        const char* const chars = source.empty() ? "" : source.data();
        const int charCount = source.empty() ? -1 : static_cast<int>(source.size());
        // A sort computes a key for every record: one call fills a buffer that holds most keys, and only
        // a longer key asks for its size first.
        std::array<char, 512> buffer;
        int written = LCMapStringA(LOCALE_USER_DEFAULT, flags, chars, charCount, buffer.data(),
                                   static_cast<int>(buffer.size()));
        std::string key;
        if (written > 0) {
            key.assign(buffer.data(), static_cast<std::size_t>(written));
        } else {
            const int length = LCMapStringA(LOCALE_USER_DEFAULT, flags, chars, charCount, nullptr, 0);
            if (length <= 0) return {};
            key.assign(static_cast<std::size_t>(length), '\0');
            written = LCMapStringA(LOCALE_USER_DEFAULT, flags, chars, charCount, key.data(), length);
            key.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
        }
        // The key ends in a zero byte that adds nothing to the order.
        if (!key.empty() && key.back() == '\0') key.pop_back();
        return key;
    }
};

}  // namespace

const TCollator& UserDefaultCollator() {
    static const TWin32Collator collator;
    return collator;
}

}  // namespace tips::platform
