// Shared helpers for the data-set tests: a small client table, an event
// recorder and a fake edit control bound through a field data link.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/data/clientdataset.h"
#include "platform/data/datalink.h"
#include "platform/data/datasource.h"
#include "platform/data/errors.h"

namespace plat::testing {

using Strings = std::vector<std::string>;

// Passes when text contains part; the failure shows both.
inline ::testing::AssertionResult Contains(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << text << "\" does not contain \"" << part << "\"";
}

// The message of the exception E that fn throws (a failure when it throws none).
template <class E = EDatabaseError, class Fn>
std::string ErrorOf(Fn fn) {
  try {
    fn();
  } catch (const E& e) {
    return e.what();
  }
  ADD_FAILURE() << "nothing thrown";
  return {};
}

// CDCLIENTE integer, NMCLIENTE text(20), VLSALDO decimal; one row per name,
// codes 1, 2, 3... and balances 10 * code.
inline DataPacket ClientPacket(const std::vector<std::string>& names) {
  DataPacket packet;
  packet.fields = {
      {"CDCLIENTE", FieldType::Integer}, {"NMCLIENTE", FieldType::String, 20}, {"VLSALDO", FieldType::Decimal, 32}};
  int64_t code = 1;
  for (auto& name : names) {
    packet.rows.push_back({Variant(code), Variant(name), Variant(Decimal::FromInt(code * 10))});
    ++code;
  }
  return packet;
}

// The NMCLIENTE column of the current content, in order.
inline std::vector<std::string> Names(const TClientDataSet& cds) {
  std::vector<std::string> names;
  DataPacket data = cds.Data();
  int column = data.FieldIndex("NMCLIENTE");
  for (auto& row : data.rows) names.push_back(row[column].ToText());
  return names;
}

// Records every data-set event by name, and the state seen by each handler.
struct EventLog {
  std::vector<std::string> events;

  void Watch(TDataSet& ds) {
    auto hook = [this](TDataSet::Event& event, const char* name) {
      event = [this, name](TDataSet& d) { events.push_back(std::string(name) + ":" + DataSetStateName(d.State())); };
    };
    hook(ds.BeforeInsert, "BeforeInsert");
    hook(ds.AfterInsert, "AfterInsert");
    hook(ds.BeforeEdit, "BeforeEdit");
    hook(ds.AfterEdit, "AfterEdit");
    hook(ds.BeforePost, "BeforePost");
    hook(ds.AfterPost, "AfterPost");
    hook(ds.BeforeCancel, "BeforeCancel");
    hook(ds.AfterCancel, "AfterCancel");
    hook(ds.BeforeDelete, "BeforeDelete");
    hook(ds.AfterDelete, "AfterDelete");
    hook(ds.AfterScroll, "AfterScroll");
    hook(ds.AfterOpen, "AfterOpen");
    hook(ds.BeforeClose, "BeforeClose");
    hook(ds.AfterClose, "AfterClose");
  }
  // Also records each state change a data source announces.
  void Watch(TDataSource& source) {
    source.OnStateChange = [this](TDataSource& s) { events.push_back(s.Name() + "=" + DataSetStateName(s.State())); };
  }
  std::vector<std::string> Take() {
    std::vector<std::string> taken;
    taken.swap(events);
    return taken;
  }
};

// What an edit box does: text typed but not yet written is "pending"; when
// the data set asks (UpdateData) it is written to the field.
struct FakeEdit {
  TFieldDataLink link;
  std::string pending;
  int refreshes = 0;

  FakeEdit(TDataSource& source, std::string fieldName) {
    link.FieldName = std::move(fieldName);
    link.OnUpdateData = [this] { link.Field()->SetText(pending); };
    link.OnDataChange = [this] { ++refreshes; };
    link.SetDataSource(&source);
  }
  void Type(std::string text) {
    link.Edit();
    pending = std::move(text);
    link.SetModified();
  }
};

// An owner with a client data set "cdsCliente" filled with three clients and
// a data source "dsCliente" on it.
class ClientFixture : public ::testing::Test {
 protected:
  TComponent form{nullptr, "frmTeste"};
  TClientDataSet& cds = form.Create<TClientDataSet>("cdsCliente");
  TDataSource& ds = form.Create<TDataSource>("dsCliente", &cds);
  EventLog log;

  void SetUp() override { cds.SetData(ClientPacket({"Ana", "Bruno", "Carla"})); }
  TField& Name() { return cds.FieldByName("NMCLIENTE"); }
  TField& Code() { return cds.FieldByName("CDCLIENTE"); }
};

}  // namespace plat::testing
