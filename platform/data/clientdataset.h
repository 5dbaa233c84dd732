// TClientDataSet: a data set filled from a data packet that keeps a log of
// the changes made since the last merge, so they can be sent back as a delta.
//
// What callers may rely on:
// - SetData replaces the whole content and opens on the first record (see
//   TDataSet for the events). Declared fields are filled from the packet's
//   columns of the same name (a declared data field the packet lacks is an
//   error naming the data set and the field; extra columns are ignored);
//   without declared fields the packet's definitions become the fields.
// - Every post and delete is logged while LogChanges is on. The log holds one
//   entry per changed record with its net change: a record inserted and then
//   modified is one insert; inserted and then deleted leaves nothing; a base
//   record modified several times is one modify carrying the values it had at
//   the last merge. ChangeCount is the number of those entries and GetDelta
//   gives exactly them, in the order the records were first changed.
// - MergeChangeLog makes the current content the new base; CancelUpdates
//   restores the content as of the last merge (or fill) and empties the log.
//   A logged record is pending (ViewRowPending) until then; a merge that
//   ends pending records tells the controls (LogChange).
// - Calculated fields never travel in packets or deltas.
// - The index (SetIndex): the records are kept in the order of one field,
//   ascending or descending, so every walk over the data set (First, Next,
//   RecNo) and every grid on it sees that order. Setting it first posts or
//   cancels a pending edit as a move of the cursor does (a failing post
//   leaves the order as it was); the current record stays current. The
//   order holds through reloads (SetData: the first record in the order is
//   the current one), posts (the stored record takes its place, the cursor
//   with it) and CancelUpdates. Equal values keep their previous order. An
//   empty field name drops the index and leaves the records where they are.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/data/dataset.h"
#include "platform/data/packet.h"

namespace plat {

class TClientDataSet : public TDataSet {
 public:
  TClientDataSet(TComponent* owner, std::string name);

  void SetData(const DataPacket& packet);
  void SetData(DataPacket&& packet);  // the same, taking the packet's values
  DataPacket Data() const;            // the current content (data fields only)
  // Opens an empty data set with the declared fields.
  void CreateDataSet();

  bool LogChanges = true;
  int ChangeCount() const { return static_cast<int>(log_.size()); }
  // The current record's value of a field as of the last merge: for a
  // modified or deleted record in the log the value its change started
  // from; otherwise (not in the log, or inserted since) the field's
  // OldValue, the value it is stored or to be sent with.
  Variant BaseValue(const TField& field) const;
  Delta GetDelta() const;
  void MergeChangeLog();
  void CancelUpdates();

  void SetIndex(const std::string& fieldName, bool descending = false);
  const std::string& IndexFieldName() const { return indexField_; }
  bool IndexDescending() const { return indexDescending_; }

 protected:
  void InternalOpen() override;
  void InternalClose() override;
  void InternalPost(const Record& stored, bool inserting) override;
  void InternalDelete(const Record& removed) override;
  void InternalStored() override;
  bool RecordPending(uint64_t id) const override { return log_.count(id) > 0; }

 private:
  struct LogEntry {
    ChangeKind kind;
    Record original;  // as of the last merge (modify, delete)
    uint64_t order;   // when the record was first changed
  };
  void MarkBase();
  void ApplyIndex();
  template <class Packet>
  void Fill(Packet&& packet);

  std::map<uint64_t, LogEntry> log_;  // by record id
  uint64_t logOrder_ = 0;
  std::string indexField_;
  bool indexDescending_ = false;
};

}  // namespace plat
