#pragma once
// The editor's text: an ordered list of lines with per-line scanner state and cached tab facts.

#include <cstdint>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "highlight/highlighter_range.hpp"

namespace tips::editor {

using highlight::NotScannedRange;
using highlight::TCodeRange;

// A write with an index outside its valid range; the buffer is left unchanged.
class ECodeEditStringList : public std::runtime_error {
public:
    explicit ECodeEditStringList(int index);
};

enum class TLineBreakStyle : std::uint8_t { DOS = 0, Unix = 1, Mac = 2 };

// Receives the buffer's change notifications, synchronously, from inside the changing call.
// Indexes are 0-based. Every write runs inside its own update bracket, so a change seen from
// outside arrives as OnUpdateBegin, the line notification, OnUpdateEnd unless the caller has a
// bracket open.
class TCodeEditStringListListener {
public:
    virtual ~TCodeEditStringListListener() = default;
    virtual void OnUpdateBegin() {}
    virtual void OnUpdateEnd() {}
    virtual void OnLinesAdded(int /*index*/, const std::string& /*text*/) {}
    virtual void OnLineInserted(int /*index*/, const std::string& /*text*/) {}
    virtual void OnLinesDeleted(int /*index*/) {}
    virtual void OnLineReplaced(int /*index*/, const std::string& /*text*/) {}
    virtual void OnLinesCleared() {}
};

class TCodeEditStringList {
public:
    TCodeEditStringList() = default;
    TCodeEditStringList(const TCodeEditStringList&) = delete;
    TCodeEditStringList& operator=(const TCodeEditStringList&) = delete;

    // The one subscriber (the owning editor); null to stop notifications. Not owned.
    void SetListener(TCodeEditStringListListener* listener) { listener_ = listener; }

    int Count() const { return static_cast<int>(records_.size()); }
    int Capacity() const { return capacity_; }
    // Reallocates to exactly `capacity` records; never below Count, so no line is lost.
    void SetCapacity(int capacity);

    // Reads never fail: outside 0..Count-1 they give an empty text, a null object, range 0.
    const std::string& Get(int index) const;
    void* GetLineObject(int index) const;
    TCodeRange LineRange(int index) const;
    std::string ExpandedLine(int index) const;
    int LongestLineLength() const;
    // The line LongestLineLength last measured: the first of the longest, or -1 when unknown
    // (since a change) or when every line is empty.
    int CachedLongestLine() const { return longestLineIndex_; }

    // Text is taken by value: a caller may pass another line of this buffer.
    void Put(int index, std::string text);
    int Add(std::string text);
    void Insert(int index, std::string text);
    void Delete(int index);
    void InsertEmptyLines(int index, int count);
    void RemoveLines(int index, int count);
    void Exchange(int first, int second);
    void Clear();
    void SetLineObject(int index, void* object);
    void SetLineRange(int index, TCodeRange range);
    void AppendLines(const TCodeEditStringList& source);
    void AppendLines(const std::vector<std::string>& source);

    void BeginLinesUpdate();
    void EndLinesUpdate();
    int UpdateCount() const { return updateCount_; }

    int TabWidth() const { return tabWidth_; }
    // Values below 1 are taken as 1; a tab always advances at least one column.
    void SetTabWidth(int tabWidth);

    TLineBreakStyle LineBreakStyle() const { return lineBreakStyle_; }
    void SetLineBreakStyle(TLineBreakStyle style) { lineBreakStyle_ = style; }
    bool BreakAfterLastLine() const { return breakAfterLastLine_; }
    void SetBreakAfterLastLine(bool value) { breakAfterLastLine_ = value; }

    // Every line followed by CR LF; empty for an empty buffer.
    std::string Text() const;
    // Lines end at CR, LF, CR LF or the end; the first NUL ends the whole text.
    void SetText(std::string_view text);

    // Reads the whole stream from position 0; detects the line-break style.
    void LoadFromStream(std::istream& stream);
    // Writes every line with a break in the detected style, in one block.
    void SaveToStream(std::ostream& stream) const;

private:
    enum Flag : std::uint8_t { TabsPresent = 1, TabsAbsent = 2, ExpandedLengthStale = 4 };

    struct TCodeEditStringRec {
        std::string text;
        void* object = nullptr;
        TCodeRange range = NotScannedRange;
        // Tab facts are caches refreshed by const reads.
        mutable int expandedLength = -1;
        mutable std::uint8_t flags = ExpandedLengthStale;
    };

    // Keeps the update count balanced when a subscriber throws; only a normal Close fires OnUpdateEnd.
    class UpdateScope {
    public:
        explicit UpdateScope(TCodeEditStringList& lines) : lines_(lines) { lines_.BeginLinesUpdate(); }
        UpdateScope(const UpdateScope&) = delete;
        UpdateScope& operator=(const UpdateScope&) = delete;
        ~UpdateScope();
        void Close();

    private:
        TCodeEditStringList& lines_;
        bool closed_ = false;
    };

    void CheckIndex(int index, int upper) const;
    void GrowForOneMore();
    void Reallocate(int capacity);
    void InsertRecord(int index, std::string text);
    std::string Expand(const TCodeEditStringRec& rec) const;
    void NotifyAdded(int index, const std::string& text);

    std::vector<TCodeEditStringRec> records_;
    int capacity_ = 0;
    TLineBreakStyle lineBreakStyle_ = TLineBreakStyle::DOS;
    bool breakAfterLastLine_ = true;
    int tabWidth_ = 8;
    mutable int longestLineIndex_ = -1;
    int updateCount_ = 0;
    TCodeEditStringListListener* listener_ = nullptr;
};

}  // namespace tips::editor
