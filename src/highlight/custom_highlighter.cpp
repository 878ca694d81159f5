#include "highlight/custom_highlighter.hpp"

#include <algorithm>

#include "base/text_case.hpp"

namespace tips::highlight {

namespace {

// The attribute table orders and matches names without regard to case. Attribute names are ASCII
// words, so the ASCII case rule applies.
int CompareNames(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int x = static_cast<unsigned char>(base::LowerCharAscii(a[i]));
        const int y = static_cast<unsigned char>(base::LowerCharAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

TCharSet CharSetOf(std::string_view characters) {
    TCharSet set;
    for (const char c : characters) set.set(static_cast<unsigned char>(c));
    return set;
}

TCodeCustomHighlighter::TCodeCustomHighlighter() : wordDelimiters_(CharSetOf("!\"'()*+,-./:;=?[\\]^{|}")) {}

TCodeCustomHighlighter::~TCodeCustomHighlighter() {
    // A handler that raised here would end the program; the users' handlers only drop their pointer.
    freeNotifications_.Fire(*this);
}

int TCodeCustomHighlighter::AttributeCount() const { return static_cast<int>(attributes_.size()); }

TCodeHighlighterAttributes* TCodeCustomHighlighter::AttributeAt(int index) const {
    if (index < 0 || index >= AttributeCount()) return nullptr;
    return attributes_[static_cast<std::size_t>(index)].get();
}

TCharSet TCodeCustomHighlighter::IdentifierChars() const {
    TCharSet set;
    for (int c = 33; c <= 255; ++c) set.set(static_cast<std::size_t>(c));
    return set;
}

void TCodeCustomHighlighter::SkipToLineEnd() {
    while (!AtLineEnd()) NextToken();
}

void TCodeCustomHighlighter::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    NotifyListeners();
}

TCodeHighlighterAttributes& TCodeCustomHighlighter::AddAttribute(
    std::unique_ptr<TCodeHighlighterAttributes> attribute) {
    const auto at = std::lower_bound(attributes_.begin(), attributes_.end(), attribute->Name(),
                                     [](const auto& entry, const std::string& name) {
                                         return CompareNames(entry->Name(), name) < 0;
                                     });
    if (at != attributes_.end() && CompareNames((*at)->Name(), attribute->Name()) == 0) {
        throw EStringListError("String list does not allow duplicates");
    }
    return **attributes_.insert(at, std::move(attribute));
}

void TCodeCustomHighlighter::InstallChangeHandlers() {
    for (const auto& attribute : attributes_) {
        attribute->SetOnChange([this](TCodeHighlighterAttributes&) { NotifyListeners(); });
        attribute->SaveDefaults();
    }
}

}  // namespace tips::highlight
