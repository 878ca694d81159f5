// ICU's collator for the user's locale: the native stand-in for CompareStringA.

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>

#include "platform/collator.hpp"

namespace tips::platform {
namespace {

icu::UnicodeString FromWindows1252(std::string_view bytes) {
    // Texts are compared up to their first zero byte, as the zero-terminated Windows API sees them.
    bytes = bytes.substr(0, bytes.find('\0'));
    return icu::UnicodeString(bytes.data(), static_cast<int32_t>(bytes.size()), "windows-1252");
}

// The C and POSIX locales get ICU's code-point order; no Windows user locale sorts like that, so they
// fall back to the root collation, the common ground of every language's rules.
icu::Locale UserLocale() {
    const icu::Locale locale = icu::Locale::getDefault();
    const std::string_view variant = locale.getVariant();
    if (variant == "POSIX" || std::string_view(locale.getName()) == "c") return icu::Locale::getRoot();
    return locale;
}

class TIcuCollator final : public TCollator {
public:
    TIcuCollator() {
        UErrorCode status = U_ZERO_ERROR;
        caseSensitive_.reset(icu::Collator::createInstance(UserLocale(), status));
        if (U_FAILURE(status) || !caseSensitive_) {
            status = U_ZERO_ERROR;
            caseSensitive_.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
        }
        // Tertiary strength tells case apart; secondary ignores it but keeps accents, as NORM_IGNORECASE does.
        caseSensitive_->setStrength(icu::Collator::TERTIARY);
        caseInsensitive_.reset(caseSensitive_->clone());
        caseInsensitive_->setStrength(icu::Collator::SECONDARY);
    }

    int Compare(std::string_view a, std::string_view b, bool ignoreCase) const override {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Collator& collator = ignoreCase ? *caseInsensitive_ : *caseSensitive_;
        const auto result = collator.compare(FromWindows1252(a), FromWindows1252(b), status);
        return static_cast<int>(result);
    }

    std::string SortKey(std::string_view text, bool ignoreCase) const override {
        const icu::Collator& collator = ignoreCase ? *caseInsensitive_ : *caseSensitive_;
        const icu::UnicodeString unicode = FromWindows1252(text);
        std::string key(64, '\0');
        auto fill = [&] {
            return collator.getSortKey(unicode, reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
        };
        auto length = fill();
        if (length > static_cast<int32_t>(key.size())) {
            key.resize(static_cast<std::size_t>(length));
            length = fill();
        }
        // The key ends in a zero byte that adds nothing to the order.
        key.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
        return key;
    }

private:
    std::unique_ptr<icu::Collator> caseSensitive_;
    std::unique_ptr<icu::Collator> caseInsensitive_;
};

}  // namespace

const TCollator& UserDefaultCollator() {
    static const TIcuCollator collator;
    return collator;
}

}  // namespace tips::platform
