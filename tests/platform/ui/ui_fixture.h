// A form with a client data set and scripted dialogs, shared by the UI tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/scripted_dialogs.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/ui/form.h"

namespace uitest {

class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    plat::Dialogs::Install(&dialogs);
    form = &root.Create<plat::TForm>("frmTest");
    cds = &form->Create<plat::TClientDataSet>("cdsItem");
    cds->AddField("CODIGO", plat::FieldType::String, 6);
    cds->AddField("NOME", plat::FieldType::String, 20);
    cds->AddField("DATA", plat::FieldType::DateTime);
    dts = &form->Create<plat::TDataSource>("dtsItem", cds);
  }
  ~FormTest() override { plat::Dialogs::Install(nullptr); }

  void Fill(std::vector<std::string> codes) {
    plat::DataPacket packet{{{"CODIGO", plat::FieldType::String, 6},
                             {"NOME", plat::FieldType::String, 20},
                             {"DATA", plat::FieldType::DateTime}},
                            {}};
    for (auto& code : codes)
      packet.rows.push_back({plat::Variant(code), plat::Variant("Nome " + code), plat::Variant()});
    cds->SetData(packet);
  }

  // Records "enter:name" / "exit:name" of the given controls.
  template <class... C>
  void Trace(C&... controls) {
    (Trace1(controls), ...);
  }

  host::ScriptedDialogs dialogs;
  plat::TComponent root;
  plat::TForm* form;
  plat::TClientDataSet* cds;
  plat::TDataSource* dts;
  std::vector<std::string> log;

 private:
  void Trace1(plat::TControl& control) {
    control.OnEnter = [this](plat::TControl& c) { log.push_back("enter:" + c.Name()); };
    control.OnExit = [this](plat::TControl& c) { log.push_back("exit:" + c.Name()); };
  }
};

}  // namespace uitest
