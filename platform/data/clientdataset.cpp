#include "platform/data/clientdataset.h"

#include <algorithm>
#include <type_traits>
#include <unordered_map>

#include "platform/data/errors.h"

namespace plat {

TClientDataSet::TClientDataSet(TComponent* owner, std::string name) : TDataSet(owner, std::move(name)) {}

namespace {

// Orders records by the value of one field.
auto IndexOrder(int index, bool descending) {
  return [index, descending](const auto& a, const auto& b) {
    int order = CompareValues(a.values[index], b.values[index]);
    return descending ? order > 0 : order < 0;
  };
}

}  // namespace

void TClientDataSet::SetData(const DataPacket& packet) { Fill(packet); }

void TClientDataSet::SetData(DataPacket&& packet) { Fill(std::move(packet)); }

// Copies the values from a packet the caller keeps, moves them from one it
// gives up.
template <class Packet>
void TClientDataSet::Fill(Packet&& packet) {
  constexpr bool kTaken = !std::is_lvalue_reference_v<Packet>;
  if (Active()) Close();
  if (!HasDeclaredFields()) {
    ClearFields();
    for (auto& def : packet.fields) AddFieldFromDef(def);
  }
  // Where each field's value comes from in the packet's rows.
  std::vector<int> source(Fields().size(), -1);
  for (auto* field : Fields()) {
    if (field->Calculated()) continue;
    int column = packet.FieldIndex(field->FieldName());
    if (column < 0) Fail("Field '" + field->FieldName() + "' not found in the data packet");
    source[field->Index()] = column;
  }
  // A packet given up whose columns are the fields, in their order and of
  // their types, gives its rows to the records as they are.
  bool adopted = kTaken && packet.fields.size() == Fields().size();
  std::vector<int> calculated;
  for (auto* field : Fields()) {
    const int index = field->Index();
    if (field->Calculated())
      calculated.push_back(index);
    else
      adopted = adopted && source[index] == index && packet.fields[index].type == field->DataType();
  }
  std::vector<Record> records;
  records.reserve(packet.rows.size());
  for (std::size_t r = 0; r < packet.rows.size(); ++r) {
    auto& row = packet.rows[r];
    if (row.size() != packet.fields.size())
      Fail("Row " + std::to_string(r + 1) + " of the data packet has " + std::to_string(row.size()) + " values for " +
           std::to_string(packet.fields.size()) + " fields");
    if constexpr (kTaken) {
      if (adopted) {
        records.push_back(NewRecord(std::move(row)));
        // A column in a calculated field's place is not kept for it.
        for (int index : calculated) records.back().values[index] = Variant();
        continue;
      }
    }
    Record record = NewRecord();
    for (auto* field : Fields()) {
      int column = source[field->Index()];
      if (column < 0) continue;
      auto& value = row[column];
      // Packets usually carry the declared type already; convert otherwise.
      // Stored data is taken as it is: the size and range checks guard what
      // users assign, not what was saved before.
      Variant& stored = record.values[field->Index()];
      if (!value.IsNull() && packet.fields[column].type != field->DataType())
        stored = field->Convert(value);
      else if constexpr (kTaken)
        stored = std::move(value);
      else
        stored = value;
    }
    records.push_back(std::move(record));
  }
  if constexpr (kTaken) packet.rows.clear();
  log_.clear();
  for (std::size_t i = 0; i < records.size(); ++i) records[i].baseSeq = static_cast<int64_t>(i);
  if (!indexField_.empty()) {
    TField* key = FindField(indexField_);
    if (!key || key->Calculated()) {
      indexField_.clear();  // the new content has no such field: no index
    } else {
      std::stable_sort(records.begin(), records.end(), IndexOrder(key->Index(), indexDescending_));
    }
  }
  OpenWith(std::move(records));
}

void TClientDataSet::SetIndex(const std::string& fieldName, bool descending) {
  if (!fieldName.empty()) {
    TField* key = FindField(fieldName);
    if (!key) Fail("Field '" + fieldName + "' not found");
    if (key->Calculated()) Fail("Field '" + fieldName + "' is calculated and cannot be indexed");
  }
  if (Active()) CheckBrowseMode();
  indexField_ = fieldName;
  indexDescending_ = descending;
  if (!Active() || indexField_.empty()) return;
  uint64_t current = CurrentRecordId();
  ApplyIndex();
  Resync(current);
}

void TClientDataSet::ApplyIndex() {
  if (indexField_.empty()) return;
  Reorder(IndexOrder(FieldByName(indexField_).Index(), indexDescending_));
}

void TClientDataSet::InternalStored() { ApplyIndex(); }

void TClientDataSet::CreateDataSet() {
  if (Active()) Close();
  log_.clear();
  OpenWith({});
}

void TClientDataSet::InternalOpen() {
  // Opening without data gives an empty data set with the declared fields.
  log_.clear();
  OpenWith({});
}

void TClientDataSet::InternalClose() { log_.clear(); }

DataPacket TClientDataSet::Data() const {
  DataPacket packet;
  packet.fields = DataFieldDefs();
  for (auto& record : Records()) packet.rows.push_back(DataRow(record));
  return packet;
}

Variant TClientDataSet::BaseValue(const TField& field) const {
  const auto logged = log_.find(CurrentRecordId());
  if (logged == log_.end() || State() == DataSetState::Insert || logged->second.kind == ChangeKind::Insert)
    return field.OldValue();
  return logged->second.original.values.at(static_cast<std::size_t>(field.Index()));
}

void TClientDataSet::InternalPost(const Record& stored, bool inserting) {
  if (!LogChanges) return;
  if (log_.count(stored.id)) return;  // an insert stays an insert; a modify keeps its first original
  if (inserting) {
    log_[stored.id] = {ChangeKind::Insert, Record(), logOrder_++};
  } else {
    auto it = std::find_if(Records().begin(), Records().end(), [&](const Record& r) { return r.id == stored.id; });
    log_[stored.id] = {ChangeKind::Modify, *it, logOrder_++};
  }
}

void TClientDataSet::InternalDelete(const Record& removed) {
  auto it = log_.find(removed.id);
  if (!LogChanges) {
    // The record leaves without a trace in the log; an earlier entry of it
    // would otherwise go out as a change without its new values.
    if (it != log_.end()) log_.erase(it);
    return;
  }
  if (it == log_.end()) {
    log_[removed.id] = {ChangeKind::Delete, removed, logOrder_++};
  } else if (it->second.kind == ChangeKind::Insert) {
    log_.erase(it);  // never reached the server: nothing to send
  } else {
    it->second.kind = ChangeKind::Delete;  // keeps the original values and its place
  }
}

Delta TClientDataSet::GetDelta() const {
  Delta delta;
  delta.fields = DataFieldDefs();
  std::vector<const std::pair<const uint64_t, LogEntry>*> entries;
  for (auto& entry : log_) entries.push_back(&entry);
  std::sort(entries.begin(), entries.end(), [](auto* a, auto* b) { return a->second.order < b->second.order; });
  // The changed records' current values, found in one pass over the content.
  std::unordered_map<uint64_t, const Record*> current;
  for (auto& record : Records())
    if (log_.count(record.id)) current[record.id] = &record;
  for (auto* entry : entries) {
    DeltaEntry change;
    change.kind = entry->second.kind;
    if (change.kind != ChangeKind::Insert) change.original = DataRow(entry->second.original);
    if (change.kind != ChangeKind::Delete) {
      auto it = current.find(entry->first);
      if (it != current.end()) change.current = DataRow(*it->second);
    }
    delta.changes.push_back(std::move(change));
  }
  return delta;
}

void TClientDataSet::MarkBase() {
  auto& records = Records();
  for (std::size_t i = 0; i < records.size(); ++i) records[i].baseSeq = static_cast<int64_t>(i);
}

void TClientDataSet::MergeChangeLog() {
  bool held = !log_.empty();
  log_.clear();
  MarkBase();
  if (held) Notify(DataEvent::LogChange);
}

void TClientDataSet::CancelUpdates() {
  if (!Active()) return;
  if (Editing()) Cancel();
  if (log_.empty()) return;
  uint64_t current = CurrentRecordId();
  auto& records = Records();
  // Drop records inserted since the merge, restore modified ones, bring back deleted ones.
  records.erase(std::remove_if(records.begin(), records.end(),
                               [&](const Record& r) {
                                 auto it = log_.find(r.id);
                                 return it != log_.end() && it->second.kind == ChangeKind::Insert;
                               }),
                records.end());
  for (auto& record : records) {
    auto it = log_.find(record.id);
    if (it != log_.end()) record = it->second.original;
  }
  for (auto& [id, entry] : log_)
    if (entry.kind == ChangeKind::Delete) records.push_back(entry.original);
  std::stable_sort(records.begin(), records.end(),
                   [](const Record& a, const Record& b) { return a.baseSeq < b.baseSeq; });
  log_.clear();
  CalculateAll();
  ApplyIndex();
  Resync(current);
}

}  // namespace plat
