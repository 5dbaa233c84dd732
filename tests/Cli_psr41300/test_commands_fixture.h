// A screen for the tests of the state handlers, commands and list drawing:
// never connected, the record events of its data sets unhooked so that only
// the state handlers act, its data sets filled from packets.
#pragma once

#include <initializer_list>
#include <map>
#include <string>

#include "Cli_psr41300/unconnected_screen.h"
#include "host/scripted_dialogs.h"
#include "platform/data/datetime.h"

namespace screen_test {

using FieldValues = std::map<std::string, plat::Variant>;

class CommandScreen : public UnconnectedScreen {
 protected:
  CommandScreen() {
    plat::Dialogs::Install(&dialogs);
    for (auto* dataSet :
         {screen.cdsProposta, screen.cdsDadosContLinhaProd, screen.cdsSistLinhaProd, screen.cdsDadosContServico,
          screen.cdsPedidosLinhaProd, screen.cdsPedidosServico, screen.cdsVenc_Valor, screen.cdsMensagem})
      for (auto* event : {&dataSet->BeforeInsert, &dataSet->AfterInsert, &dataSet->BeforePost, &dataSet->AfterPost,
                          &dataSet->AfterCancel, &dataSet->AfterDelete, &dataSet->AfterScroll, &dataSet->AfterOpen})
        *event = nullptr;
  }
  ~CommandScreen() override { plat::Dialogs::Install(nullptr); }

  // Loads one record per entry; fields not given are null.
  static void Fill(plat::TClientDataSet& dataSet, std::initializer_list<FieldValues> rows) {
    dataSet.CreateDataSet();
    plat::DataPacket packet{dataSet.Data().fields, {}};
    for (const FieldValues& values : rows) {
      plat::Row& row = packet.rows.emplace_back();
      for (const plat::FieldDef& def : packet.fields)
        row.push_back(values.contains(def.name) ? values.at(def.name) : plat::Variant());
    }
    dataSet.SetData(packet);
  }

  // Proposals 100 (accepted) and 101, on the first.
  void FillProposals() {
    Fill(*screen.cdsProposta,
         {{{"NRPROPOSFAS", "100"}, {"DTACEPROPFAS", plat::DateTime::FromDate(2024, 5, 2)}}, {{"NRPROPOSFAS", "101"}}});
  }

  host::ScriptedDialogs dialogs;
};

}  // namespace screen_test
