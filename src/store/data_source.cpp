#include "store/data_source.hpp"

#include <algorithm>

#include "base/scoped_value.hpp"
#include "store/memory_table.hpp"

namespace tips::store {

// ---- TDataLink ------------------------------------------------------------------------------------

TDataLink::~TDataLink() {
    if (dataSource_) dataSource_->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* dataSource) {
    if (dataSource == dataSource_) return;
    if (dataSource_) dataSource_->RemoveLink(this);
    dataSource_ = dataSource;
    if (dataSource_) dataSource_->AddLink(this);
    UpdateState();
}

TMemoryTable* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

void TDataLink::SetReadOnly(bool readOnly) {
    if (readOnly == readOnly_) return;
    readOnly_ = readOnly;
    UpdateState();
}

bool TDataLink::Edit() {
    if (!readOnly_ && dataSource_) dataSource_->Edit();
    return editing_;
}

void TDataLink::UpdateRecord() {
    if (updating_) return;
    const base::TScopedValue updating(updating_, true);
    UpdateData();
}

void TDataLink::UpdateState() {
    const auto state = dataSource_ ? dataSource_->State() : TDataSetState::dsInactive;
    const bool active = state != TDataSetState::dsInactive;
    const bool editing = active && !readOnly_ && (state == TDataSetState::dsEdit || state == TDataSetState::dsInsert);
    if (active != active_) {
        active_ = active;
        ActiveChanged();
    }
    if (editing != editing_) {
        editing_ = editing;
        EditingChanged();
    }
}

void TDataLink::HandleEvent(const TDataEvent& event) {
    switch (event.kind) {
        case TDataEvent::Kind::StateChange:
            UpdateState();
            StateChanged();
            break;
        case TDataEvent::Kind::DataSetChange: DataSetChanged(event.mode); break;
        case TDataEvent::Kind::DataSetScroll: DataSetScrolled(event.distance); break;
        case TDataEvent::Kind::RecordChange: RecordChanged(event.field); break;
        case TDataEvent::Kind::UpdateRecord: UpdateRecord(); break;
    }
}

void TDataLink::Detach() {
    dataSource_ = nullptr;
    UpdateState();
}

// ---- TDataSource ----------------------------------------------------------------------------------

TDataSource::~TDataSource() {
    if (dataSet_) dataSet_->RemoveDataSource(this);
    for (auto* link : std::vector<TDataLink*>(links_)) link->Detach();
}

void TDataSource::SetDataSet(TMemoryTable* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet_) dataSet_->RemoveDataSource(this);
    dataSet_ = dataSet;
    if (dataSet_) dataSet_->AddDataSource(this);
    HandleEvent({TDataEvent::Kind::StateChange});
    if (state_ != TDataSetState::dsInactive) HandleEvent({TDataEvent::Kind::DataSetChange});
}

void TDataSource::Edit() {
    if (autoEdit_ && dataSet_ && dataSet_->State() == TDataSetState::dsBrowse) dataSet_->Edit();
}

void TDataSource::HandleEvent(const TDataEvent& event) {
    if (event.kind == TDataEvent::Kind::StateChange) {
        const auto state = dataSet_ ? dataSet_->State() : TDataSetState::dsInactive;
        if (state == state_) return;
        state_ = state;
    }
    for (auto* link : std::vector<TDataLink*>(links_)) {
        // A handler may unlink another control; skip links that left meanwhile.
        if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->HandleEvent(event);
    }
    switch (event.kind) {
        case TDataEvent::Kind::StateChange:
            if (OnStateChange) OnStateChange(*this);
            break;
        case TDataEvent::Kind::DataSetChange:
        case TDataEvent::Kind::DataSetScroll:
            if (OnDataChange) OnDataChange(*this, nullptr);
            break;
        case TDataEvent::Kind::RecordChange:
            if (OnDataChange) OnDataChange(*this, event.field);
            break;
        case TDataEvent::Kind::UpdateRecord:
            if (OnUpdateData) OnUpdateData(*this);
            break;
    }
}

void TDataSource::DataSetDestroyed() {
    dataSet_ = nullptr;
    HandleEvent({TDataEvent::Kind::StateChange});
}

void TDataSource::AddLink(TDataLink* link) {
    if (std::find(links_.begin(), links_.end(), link) == links_.end()) links_.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link) { std::erase(links_, link); }

}  // namespace tips::store
