#include "highlight/vb_keywords.hpp"

namespace tips::highlight::vb {

namespace {

constexpr std::array<std::uint8_t, 256> BuildLetterValues() {
    std::array<std::uint8_t, 256> values{};
    for (int c = 'a'; c <= 'z'; ++c) {
        values[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c - 'a' + 1);
        values[static_cast<std::size_t>(c - 'a' + 'A')] = static_cast<std::uint8_t>(c - 'a' + 1);
    }
    values['_'] = 31;
    return values;
}

constexpr std::array<bool, 256> BuildIdentChars() {
    std::array<bool, 256> chars{};
    for (int c = '0'; c <= '9'; ++c) chars[static_cast<std::size_t>(c)] = true;
    for (int c = 'a'; c <= 'z'; ++c) {
        chars[static_cast<std::size_t>(c)] = true;
        chars[static_cast<std::size_t>(c - 'a' + 'A')] = true;
    }
    chars['_'] = true;
    return chars;
}

constexpr auto kLetterValues = BuildLetterValues();
constexpr auto kIdentChars = BuildIdentChars();

constexpr int KeywordHash(std::string_view word) {
    int hash = 0;
    for (const char c : word) hash += kLetterValues[static_cast<unsigned char>(c)];
    return hash;
}

// Keywords grouped by hash: slot h holds order[start[h] .. start[h + 1]).
struct KeywordSlots {
    std::array<std::uint16_t, kKeywordSlots + 1> start{};
    std::array<std::uint8_t, kKeywords.size()> order{};
};

constexpr KeywordSlots BuildSlots() {
    KeywordSlots slots;
    std::array<std::uint16_t, kKeywordSlots + 1> fill{};
    for (const auto word : kKeywords) ++slots.start[static_cast<std::size_t>(KeywordHash(word)) + 1];
    for (std::size_t h = 1; h <= kKeywordSlots; ++h) slots.start[h] += slots.start[h - 1];
    fill = slots.start;
    for (std::size_t i = 0; i < kKeywords.size(); ++i) {
        const auto h = static_cast<std::size_t>(KeywordHash(kKeywords[i]));
        slots.order[fill[h]++] = static_cast<std::uint8_t>(i);
    }
    return slots;
}

constexpr bool AllKeywordsFitTheSlots() {
    for (const auto word : kKeywords) {
        if (KeywordHash(word) >= kKeywordSlots) return false;
    }
    return true;
}
static_assert(AllKeywordsFitTheSlots(), "a keyword hashes past the last slot");

constexpr KeywordSlots kSlots = BuildSlots();

}  // namespace

bool IsIdentChar(unsigned char c) { return kIdentChars[c]; }

int LetterValue(unsigned char c) { return kLetterValues[c]; }

int HashIdentifier(std::string_view text, std::size_t& length) {
    int hash = 0;
    std::size_t n = 0;
    while (n < text.size() && kIdentChars[static_cast<unsigned char>(text[n])]) {
        hash += kLetterValues[static_cast<unsigned char>(text[n])];
        ++n;
    }
    length = n;
    return hash;
}

std::string_view FindKeyword(int hash, std::string_view word) {
    if (hash < 0 || hash >= kKeywordSlots) return {};
    const auto h = static_cast<std::size_t>(hash);
    for (std::size_t k = kSlots.start[h]; k < kSlots.start[h + 1]; ++k) {
        const std::string_view keyword = kKeywords[kSlots.order[k]];
        if (keyword.size() != word.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < word.size() && same; ++i) {
            same = kLetterValues[static_cast<unsigned char>(word[i])] ==
                   kLetterValues[static_cast<unsigned char>(keyword[i])];
        }
        if (same) return keyword;
    }
    return {};
}

}  // namespace tips::highlight::vb
