#pragma once
// The data source links one table to any number of data-aware controls. Each control owns a TDataLink
// (a grid overrides its hooks; the code editor uses a TFieldDataLink) and points it at the data source.
// The data source mirrors the table's state and hands every table event on to its links.

#include <functional>
#include <vector>

#include "store/data_set_state.hpp"

namespace tips::store {

class TDataSource;
class TMemoryTable;

class TDataLink {
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* dataSource);
    TMemoryTable* DataSet() const;

    bool Active() const { return active_; }     // the linked table is open
    bool Editing() const { return editing_; }   // the table is in edit or insert state and the link may write
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // Asks the data source to start editing (it does when AutoEdit is on and the table is browsing);
    // answers whether the link is now editing.
    bool Edit();
    // Has the control write its pending value now (runs UpdateData).
    void UpdateRecord();

protected:
    // Hooks for the control. Each runs after the link's own bookkeeping.
    virtual void ActiveChanged() {}
    virtual void EditingChanged() {}
    virtual void StateChanged() {}
    virtual void DataSetChanged(TResyncMode /*mode*/) {}
    virtual void DataSetScrolled(int /*distance*/) {}
    virtual void RecordChanged(const TField* /*field*/) {}
    virtual void UpdateData() {}

private:
    friend class TDataSource;
    void HandleEvent(const TDataEvent& event);
    void UpdateState();   // recomputes active and editing, firing their hooks on change
    void Detach();        // the data source goes away

    TDataSource* dataSource_ = nullptr;
    bool active_ = false;
    bool editing_ = false;
    bool readOnly_ = false;
    bool updating_ = false;
};

class TDataSource {
public:
    TDataSource() = default;
    explicit TDataSource(TMemoryTable* dataSet) { SetDataSet(dataSet); }
    ~TDataSource();
    TDataSource(const TDataSource&) = delete;
    TDataSource& operator=(const TDataSource&) = delete;

    TMemoryTable* DataSet() const { return dataSet_; }
    void SetDataSet(TMemoryTable* dataSet);

    // The table's state as last announced (closed when there is no table).
    TDataSetState State() const { return state_; }

    bool AutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool autoEdit) { autoEdit_ = autoEdit; }
    // Puts a browsing table into edit state when AutoEdit is on (Edit starts a new record on an empty table).
    void Edit();

    // Optional observers of the form that owns the data source.
    std::function<void(TDataSource&)> OnStateChange;
    std::function<void(TDataSource&, const TField*)> OnDataChange;
    std::function<void(TDataSource&)> OnUpdateData;

private:
    friend class TDataLink;
    friend class TMemoryTable;
    void HandleEvent(const TDataEvent& event);   // from the table
    void DataSetDestroyed();                     // the table goes away
    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);

    TMemoryTable* dataSet_ = nullptr;
    TDataSetState state_ = TDataSetState::dsInactive;
    bool autoEdit_ = true;
    std::vector<TDataLink*> links_;
};

}  // namespace tips::store
