#pragma once
// The scanning contract shared by the editor and the printer, the attribute table and change notification.

#include <bitset>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "highlight/highlighter_attributes.hpp"
#include "highlight/highlighter_range.hpp"
#include "highlight/notify_event_chain.hpp"

namespace tips::highlight {

// A set of 8-bit characters.
using TCharSet = std::bitset<256>;

// Builds a set from the listed characters.
TCharSet CharSetOf(std::string_view characters);

// Adding an attribute whose name is already in the table.
class EStringListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The roles a painter or a printer asks an attribute for.
enum class StandardAttributeKind : int { Comment = 0, Identifier = 1, Keyword = 2, String = 3, Whitespace = 4, Symbol = 5 };

class TCodeCustomHighlighter {
public:
    TCodeCustomHighlighter();
    // Tells every user registered for it that the highlighter is going away.
    virtual ~TCodeCustomHighlighter();
    TCodeCustomHighlighter(const TCodeCustomHighlighter&) = delete;
    TCodeCustomHighlighter& operator=(const TCodeCustomHighlighter&) = delete;

    // The attribute table, in name order; null outside 0..AttributeCount-1.
    virtual int AttributeCount() const;
    virtual TCodeHighlighterAttributes* AttributeAt(int index) const;
    virtual TCodeHighlighterAttributes* StandardAttribute(StandardAttributeKind kind) const = 0;

    virtual std::string DefaultFilter() const { return defaultFilter_; }
    virtual void SetDefaultFilter(std::string filter) { defaultFilter_ = std::move(filter); }
    virtual TCharSet IdentifierChars() const;
    const TCharSet& WordDelimiters() const { return wordDelimiters_; }
    virtual void SetWordDelimiters(const TCharSet& delimiters) { wordDelimiters_ = delimiters; }
    virtual std::string LanguageTitle() const { return "<Unknown>"; }

    // Scanning one line: RestoreRange (or ClearRange before the first line), BeginLine, then read the
    // current token and NextToken until AtLineEnd. The text is read in place: the caller keeps it
    // alive and unchanged until it has finished with the line.
    virtual void BeginLine(std::string_view text, int lineIndex) = 0;
    virtual bool AtLineEnd() const = 0;
    virtual void NextToken() = 0;
    virtual std::string TokenText() const = 0;
    virtual int TokenStart() const = 0;
    virtual int TokenKindCode() const = 0;
    // Null: the caller paints the token with its own defaults.
    virtual TCodeHighlighterAttributes* TokenAttributes() const = 0;
    virtual TCodeRange CurrentRange() const { return 0; }
    virtual void RestoreRange(TCodeRange /*range*/) {}
    virtual void ClearRange() {}

    void SkipToLineEnd();

    bool Enabled() const { return enabled_; }
    // Notifies the listeners when the value changes.
    void SetEnabled(bool enabled);

    void AddAttributeListener(const TCodeNotifyEvent& handler) { listeners_.Add(handler); }
    void RemoveAttributeListener(const TCodeNotifyEvent& handler) { listeners_.Remove(handler); }

    // Users that keep a pointer to the highlighter (editors, the print engine) register here and
    // are called from the destructor, so they can drop the pointer. By then the concrete
    // highlighter is gone: a handler may compare the sender's address, and call nothing on it.
    void AddFreeNotification(const TCodeNotifyEvent& handler) { freeNotifications_.Add(handler); }
    void RemoveFreeNotification(const TCodeNotifyEvent& handler) { freeNotifications_.Remove(handler); }

protected:
    // Enters an attribute under its name; a name already present raises EStringListError.
    TCodeHighlighterAttributes& AddAttribute(std::unique_ptr<TCodeHighlighterAttributes> attribute);
    // Called by a concrete constructor once all attributes exist: routes their changes to the
    // listeners and takes their current values as the saved defaults.
    void InstallChangeHandlers();
    void NotifyListeners() { listeners_.Fire(*this); }

private:
    std::vector<std::unique_ptr<TCodeHighlighterAttributes>> attributes_;  // sorted by name
    TCodeNotifyEventChain listeners_;
    TCodeNotifyEventChain freeNotifications_;
    bool enabled_ = true;
    std::string defaultFilter_;
    TCharSet wordDelimiters_;
};

}  // namespace tips::highlight
