#pragma once
// The columns of a data grid: which field each shows, its title and its width in pixels. A column
// names its field; the field object is looked up whenever the grid's table opens.

#include <memory>
#include <string>
#include <vector>

namespace tips::store {
class TField;
class TMemoryTable;
}  // namespace tips::store

namespace tips::widgets {

inline constexpr int kDefaultColumnWidth = 64;

class TColumn {
public:
    TColumn(int index, std::string fieldName, int width) : index_(index), fieldName_(std::move(fieldName)), width_(width) {}

    int Index() const { return index_; }
    const std::string& FieldName() const { return fieldName_; }
    store::TField* Field() const { return field_; }

    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width < 0 ? 0 : width; }

    // The title text: the caption set on the column, else the field's display name, else the field name.
    std::string Title() const;
    void SetTitle(std::string caption) { title_ = std::move(caption); }

private:
    friend class TDBGridColumns;
    int index_;
    std::string fieldName_;
    int width_;
    std::string title_;
    store::TField* field_ = nullptr;
};

class TDBGridColumns {
public:
    TColumn& Add(std::string fieldName, int width = kDefaultColumnWidth);
    void Clear() { columns_.clear(); }
    int Count() const { return static_cast<int>(columns_.size()); }
    TColumn& operator[](int index) const { return *columns_.at(static_cast<std::size_t>(index)); }

    // Looks every column's field up in an open table; nullptr clears them.
    void Resolve(const store::TMemoryTable* table);

private:
    std::vector<std::unique_ptr<TColumn>> columns_;
};

}  // namespace tips::widgets
