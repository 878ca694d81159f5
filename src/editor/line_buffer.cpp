#include "editor/line_buffer.hpp"

#include <algorithm>
#include <exception>
#include <iterator>
#include <utility>

#include "base/line_split.hpp"

namespace tips::editor {

namespace {

const std::string kEmpty;

// Expands tabs; every column a tab covers holds a tab character, except with width 1 where a tab becomes a blank.
std::string ExpandTabs(const std::string& text, int tabWidth, bool& sawTab) {
    sawTab = text.find('\t') != std::string::npos;
    if (!sawTab) return text;
    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(tabWidth));
    for (const char c : text) {
        if (c != '\t') {
            out.push_back(c);
        } else if (tabWidth == 1) {
            out.push_back(' ');
        } else {
            const auto column = static_cast<int>(out.size());
            out.append(static_cast<std::size_t>(tabWidth - column % tabWidth), '\t');
        }
    }
    return out;
}

}  // namespace

ECodeEditStringList::ECodeEditStringList(int index)
    : std::runtime_error("Invalid stringlist index " + std::to_string(index)) {}

TCodeEditStringList::UpdateScope::~UpdateScope() {
    if (!closed_) --lines_.updateCount_;
}

void TCodeEditStringList::UpdateScope::Close() {
    closed_ = true;
    lines_.EndLinesUpdate();
}

void TCodeEditStringList::CheckIndex(int index, int upper) const {
    if (index < 0 || index > upper) throw ECodeEditStringList(index);
}

void TCodeEditStringList::Reallocate(int capacity) {
    std::vector<TCodeEditStringRec> moved;
    moved.reserve(static_cast<std::size_t>(capacity));
    std::move(records_.begin(), records_.end(), std::back_inserter(moved));
    records_ = std::move(moved);
    capacity_ = capacity;
}

void TCodeEditStringList::SetCapacity(int capacity) {
    capacity = std::max(capacity, Count());
    if (capacity != capacity_) Reallocate(capacity);
}

void TCodeEditStringList::GrowForOneMore() {
    if (Count() < capacity_) return;
    Reallocate(capacity_ + (capacity_ <= 64 ? 16 : capacity_ / 4));
}

const std::string& TCodeEditStringList::Get(int index) const {
    if (index < 0 || index >= Count()) return kEmpty;
    return records_[static_cast<std::size_t>(index)].text;
}

void* TCodeEditStringList::GetLineObject(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return records_[static_cast<std::size_t>(index)].object;
}

TCodeRange TCodeEditStringList::LineRange(int index) const {
    if (index < 0 || index >= Count()) return 0;
    return records_[static_cast<std::size_t>(index)].range;
}

std::string TCodeEditStringList::Expand(const TCodeEditStringRec& rec) const {
    bool sawTab = false;
    std::string expanded = ExpandTabs(rec.text, tabWidth_, sawTab);
    rec.expandedLength = static_cast<int>(expanded.size());
    rec.flags = sawTab ? TabsPresent : TabsAbsent;
    return expanded;
}

std::string TCodeEditStringList::ExpandedLine(int index) const {
    if (index < 0 || index >= Count()) return {};
    const auto& rec = records_[static_cast<std::size_t>(index)];
    if (rec.flags & TabsAbsent) return rec.text;
    return Expand(rec);
}

int TCodeEditStringList::LongestLineLength() const {
    if (longestLineIndex_ < 0) {
        int best = 0;
        for (int i = 0; i < Count(); ++i) {
            const auto& rec = records_[static_cast<std::size_t>(i)];
            if (rec.flags & ExpandedLengthStale) Expand(rec);
            if (rec.expandedLength > best) {
                best = rec.expandedLength;
                longestLineIndex_ = i;
            }
        }
    }
    if (longestLineIndex_ < 0) return 0;
    return records_[static_cast<std::size_t>(longestLineIndex_)].expandedLength;
}

void TCodeEditStringList::InsertRecord(int index, std::string text) {
    TCodeEditStringRec rec;
    rec.text = std::move(text);
    GrowForOneMore();
    records_.insert(records_.begin() + index, std::move(rec));
    longestLineIndex_ = -1;
}

void TCodeEditStringList::NotifyAdded(int index, const std::string& text) {
    if (listener_) listener_->OnLinesAdded(index, text);
}

void TCodeEditStringList::Put(int index, std::string text) {
    if (index == Count()) {
        Add(std::move(text));
        return;
    }
    CheckIndex(index, Count() - 1);
    UpdateScope update(*this);
    auto& rec = records_[static_cast<std::size_t>(index)];
    rec.flags = ExpandedLengthStale;
    longestLineIndex_ = -1;
    rec.text = std::move(text);
    if (listener_) listener_->OnLineReplaced(index, rec.text);
    update.Close();
}

int TCodeEditStringList::Add(std::string text) {
    UpdateScope update(*this);
    const int index = Count();
    InsertRecord(index, std::move(text));
    NotifyAdded(index, records_[static_cast<std::size_t>(index)].text);
    update.Close();
    return index;
}

void TCodeEditStringList::Insert(int index, std::string text) {
    CheckIndex(index, Count());
    UpdateScope update(*this);
    InsertRecord(index, std::move(text));
    if (listener_) listener_->OnLineInserted(index, records_[static_cast<std::size_t>(index)].text);
    update.Close();
}

void TCodeEditStringList::Delete(int index) {
    CheckIndex(index, Count() - 1);
    UpdateScope update(*this);
    records_.erase(records_.begin() + index);
    longestLineIndex_ = -1;
    if (listener_) listener_->OnLinesDeleted(index);
    update.Close();
}

void TCodeEditStringList::InsertEmptyLines(int index, int count) {
    if (count <= 0) return;
    CheckIndex(index, Count());
    UpdateScope update(*this);
    Reallocate(Count() + count);
    // Placeholders: an empty line whose expanded length 0 is already valid.
    TCodeEditStringRec placeholder;
    placeholder.range = 0;
    placeholder.expandedLength = 0;
    placeholder.flags = 0;
    records_.insert(records_.begin() + index, static_cast<std::size_t>(count), placeholder);
    longestLineIndex_ = -1;  // the cached index may now point at a placeholder
    NotifyAdded(index, kEmpty);
    update.Close();
}

void TCodeEditStringList::RemoveLines(int index, int count) {
    if (count <= 0) return;
    CheckIndex(index, Count());
    // A run past the last line stops at the last line.
    count = std::min(count, Count() - index);
    if (count == 0) return;
    UpdateScope update(*this);
    records_.erase(records_.begin() + index, records_.begin() + index + count);
    longestLineIndex_ = -1;
    update.Close();
    if (listener_) listener_->OnLinesDeleted(index);
}

void TCodeEditStringList::Exchange(int first, int second) {
    CheckIndex(first, Count() - 1);
    CheckIndex(second, Count() - 1);
    UpdateScope update(*this);
    std::swap(records_[static_cast<std::size_t>(first)], records_[static_cast<std::size_t>(second)]);
    if (longestLineIndex_ == first) {
        longestLineIndex_ = second;
    } else if (longestLineIndex_ == second) {
        longestLineIndex_ = first;
    }
    update.Close();
}

void TCodeEditStringList::Clear() {
    longestLineIndex_ = -1;
    if (Count() == 0) return;
    UpdateScope update(*this);
    records_ = {};
    capacity_ = 0;
    if (listener_) listener_->OnLinesCleared();
    update.Close();
}

void TCodeEditStringList::SetLineObject(int index, void* object) {
    CheckIndex(index, Count() - 1);
    UpdateScope update(*this);
    records_[static_cast<std::size_t>(index)].object = object;
    update.Close();
}

void TCodeEditStringList::SetLineRange(int index, TCodeRange range) {
    CheckIndex(index, Count() - 1);
    UpdateScope update(*this);
    records_[static_cast<std::size_t>(index)].range = range;
    update.Close();
}

void TCodeEditStringList::AppendLines(const TCodeEditStringList& source) {
    if (source.Count() == 0) return;
    // Copy first: the source may be this buffer.
    std::vector<TCodeEditStringRec> added;
    added.reserve(source.records_.size());
    for (const auto& from : source.records_) {
        TCodeEditStringRec rec;
        rec.text = from.text;
        rec.object = from.object;
        added.push_back(std::move(rec));
    }
    longestLineIndex_ = -1;
    UpdateScope update(*this);
    const int first = Count();
    const int needed = first + static_cast<int>(added.size());
    if (capacity_ < needed) Reallocate((needed + 15) / 16 * 16);
    std::move(added.begin(), added.end(), std::back_inserter(records_));
    NotifyAdded(first, kEmpty);
    update.Close();
}

void TCodeEditStringList::AppendLines(const std::vector<std::string>& source) {
    if (source.empty()) return;
    longestLineIndex_ = -1;
    UpdateScope update(*this);
    const int first = Count();
    const int needed = first + static_cast<int>(source.size());
    if (capacity_ < needed) Reallocate((needed + 15) / 16 * 16);
    for (const auto& text : source) {
        TCodeEditStringRec rec;
        rec.text = text;
        records_.push_back(std::move(rec));
    }
    NotifyAdded(first, kEmpty);
    update.Close();
}

void TCodeEditStringList::BeginLinesUpdate() {
    if (updateCount_++ == 0 && listener_) listener_->OnUpdateBegin();
}

void TCodeEditStringList::EndLinesUpdate() {
    if (updateCount_ <= 0) return;  // unbalanced end: nothing is open
    if (--updateCount_ == 0 && listener_) listener_->OnUpdateEnd();
}

void TCodeEditStringList::SetTabWidth(int tabWidth) {
    tabWidth = std::max(tabWidth, 1);
    if (tabWidth == tabWidth_) return;
    tabWidth_ = tabWidth;
    longestLineIndex_ = -1;
    for (auto& rec : records_) {
        rec.expandedLength = -1;
        rec.flags = static_cast<std::uint8_t>((rec.flags & ~TabsAbsent) | ExpandedLengthStale);
    }
}

std::string TCodeEditStringList::Text() const {
    std::size_t size = 0;
    for (const auto& rec : records_) size += rec.text.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& rec : records_) {
        text += rec.text;
        text += "\r\n";
    }
    return text;
}

void TCodeEditStringList::SetText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    UpdateScope update(*this);
    Clear();
    // The whole text is a list of lines: a final break adds no empty line.
    for (const std::string_view line : base::SplitLines(text, base::TFinalBreak::ClosesLastLine)) Add(std::string(line));
    update.Close();
}

void TCodeEditStringList::LoadFromStream(std::istream& stream) {
    UpdateScope update(*this);
    stream.clear();
    stream.seekg(0, std::ios::beg);
    const std::string data{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    Clear();
    bool sawCr = false;
    bool sawLf = false;
    // A NUL in the stream splits the line there (a line cannot hold one) and counts as no break style.
    base::TLineScanner scanner(data, base::TNulByte::EndsLine);
    while (!scanner.AtEnd()) {
        const base::TTextLine line = scanner.Next();
        Add(std::string(line.text));
        sawCr = sawCr || line.lineBreak.starts_with('\r');
        sawLf = sawLf || line.lineBreak.ends_with('\n');
    }
    update.Close();
    if (sawCr && !sawLf) {
        lineBreakStyle_ = TLineBreakStyle::Mac;
    } else if (sawLf && !sawCr) {
        lineBreakStyle_ = TLineBreakStyle::Unix;
    } else {
        lineBreakStyle_ = TLineBreakStyle::DOS;
    }
}

void TCodeEditStringList::SaveToStream(std::ostream& stream) const {
    if (records_.empty()) return;
    const std::string_view lineBreak = lineBreakStyle_ == TLineBreakStyle::Unix ? "\n"
                                       : lineBreakStyle_ == TLineBreakStyle::Mac ? "\r"
                                                                                  : "\r\n";
    std::string block;
    for (std::size_t i = 0; i < records_.size(); ++i) {
        block += records_[i].text;
        if (i + 1 < records_.size() || breakAfterLastLine_) block += lineBreak;
    }
    stream.write(block.data(), static_cast<std::streamsize>(block.size()));
}

}  // namespace tips::editor
