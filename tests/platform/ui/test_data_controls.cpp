// Data-aware controls: showing the field, auto-edit on typing, pending text
// written on exit and on post, change events, date checks and choices.
#include "platform/data/errors.h"
#include "platform/data/format.h"
#include "platform/ui/dbchoice.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/number_edit.h"
#include "platform/ui/user_actions.h"
#include "ui_fixture.h"

using namespace plat;

namespace {

class DataControls : public uitest::FormTest {
 protected:
  DataControls() {
    nome = &form->Create<TDBEdit>("dbeNome", form);
    nome->Bind(*dts, "NOME");
    data = &form->Create<TDBDateEditPlus>("depData", form);
    data->Bind(*dts, "DATA");
    other = &form->Create<TEdit>("edtOther", form);
  }
  TDBEdit* nome;
  TDBDateEditPlus* data;
  TEdit* other;
};

TEST_F(DataControls, EditFollowsTheCurrentRecord) {
  Fill({"A1", "B2"});
  EXPECT_EQ(nome->Text(), "Nome A1");
  cds->Next();
  EXPECT_EQ(nome->Text(), "Nome B2");
  cds->Close();
  EXPECT_EQ(nome->Text(), "");
}

TEST_F(DataControls, TypingAutoEditsAndWritesTheFieldOnlyWhenLeft) {
  Fill({"A1"});
  form->FocusControl(*nome);
  ASSERT_TRUE(nome->UserEdit("Novo"));
  EXPECT_EQ(cds->State(), DataSetState::Edit);
  EXPECT_EQ(cds->FieldByName("NOME").AsString(), "Nome A1");
  form->FocusControl(*other);
  EXPECT_EQ(cds->FieldByName("NOME").AsString(), "Novo");
}

TEST_F(DataControls, PostWritesPendingTextBeforeBeforePost) {
  Fill({"A1"});
  std::string seen;
  cds->BeforePost = [&](TDataSet& ds) { seen = ds.FieldByName("NOME").AsString(); };
  form->FocusControl(*nome);
  nome->UserEdit("Typed");
  cds->Post();
  EXPECT_EQ(seen, "Typed");
  EXPECT_EQ(cds->FieldByName("NOME").AsString(), "Typed");
}

TEST_F(DataControls, TypingIntoAReadOnlyControlOrClosedDataSetIsRefused) {
  EXPECT_FALSE(nome->UserEdit("x"));  // closed
  Fill({"A1"});
  nome->SetReadOnly(true);
  EXPECT_FALSE(nome->UserEdit("x"));
  EXPECT_EQ(cds->State(), DataSetState::Browse);
  dts->AutoEdit = false;
  nome->SetReadOnly(false);
  EXPECT_FALSE(nome->UserEdit("x"));
}

TEST_F(DataControls, TypingOnAnEmptyDataSetStartsAnInsert) {
  Fill({});
  int afterInsert = 0;
  cds->AfterInsert = [&](TDataSet&) { ++afterInsert; };
  form->FocusControl(*nome);
  ASSERT_TRUE(nome->UserEdit("Primeiro"));
  EXPECT_EQ(cds->State(), DataSetState::Insert);
  EXPECT_EQ(afterInsert, 1);
}

TEST_F(DataControls, ChangeEventFiresForTypedProgramAndFieldChanges) {
  Fill({"A1", "B2"});
  std::vector<std::string> changes;
  nome->OnChange = [&](TControl& c) { changes.push_back(static_cast<TDBEdit&>(c).Text()); };
  form->FocusControl(*nome);
  nome->UserEdit("typed");
  nome->SetText("program");
  cds->Cancel();  // refreshed from the field
  cds->Edit();
  cds->FieldByName("NOME").SetAsString("assigned");
  EXPECT_EQ(changes, (std::vector<std::string>{"typed", "program", "Nome A1", "assigned"}));
}

TEST_F(DataControls, CancelDiscardsPendingText) {
  Fill({"A1"});
  form->FocusControl(*nome);
  nome->UserEdit("Discarded");
  cds->Cancel();
  EXPECT_EQ(nome->Text(), "Nome A1");
  EXPECT_FALSE(nome->Modified());
}

// A state handler that moves the focus when the record is cancelled finds
// no pending text left to write (an invalid one would fail the cancel).
TEST_F(DataControls, CancelDiscardsPendingTextBeforeTheStateHandlersRun) {
  Fill({"A1"});
  form->FocusControl(*data);
  data->UserEdit("31/02/2026");
  dts->OnStateChange = [&](TDataSource&) { form->FocusControl(*other); };
  EXPECT_NO_THROW(cds->Cancel());
  EXPECT_EQ(form->ActiveControl(), other);
  EXPECT_FALSE(data->Modified());
}

// The same for a record deleted while it is being edited: an after-delete
// handler that moves the focus finds no text of the deleted record to write.
TEST_F(DataControls, DeleteInEditDiscardsPendingTextBeforeTheHandlersRun) {
  Fill({"A1", "A2"});
  cds->Edit();
  form->FocusControl(*data);
  data->UserEdit("31/02/2026");
  cds->AfterDelete = [&](TDataSet&) { form->FocusControl(*other); };
  EXPECT_NO_THROW(cds->Delete());
  EXPECT_EQ(form->ActiveControl(), other);
  EXPECT_EQ(cds->RecordCount(), 1);
  EXPECT_FALSE(data->Modified());
}

TEST_F(DataControls, AnInvalidDateIsRefusedOnExitAndKeepsTheFocus) {
  Fill({"A1"});
  form->FocusControl(*data);
  data->UserEdit("31/02/2026");
  EXPECT_THROW(form->FocusControl(*other), EConvertError);
  EXPECT_EQ(form->ActiveControl(), data);
  EXPECT_TRUE(cds->FieldByName("DATA").IsNull());
  EXPECT_THROW(data->CheckValidDate(), EConvertError);
  data->UserEdit("28/02/2026");
  EXPECT_NO_THROW(data->CheckValidDate());
  EXPECT_TRUE(form->FocusControl(*other));
  EXPECT_EQ(cds->FieldByName("DATA").AsDateTime(), DateTime::FromDate(2026, 2, 28));
}

// Key by key, as the window sends it: the text stays as typed while the
// value follows it, and leaving the edit shows the value in its format.
TEST_F(DataControls, ANumberEditKeepsTheTypedTextUntilLeft) {
  auto& total = form->Create<TNumberEdit>("edtTotal", form);
  total.SetValue(8800);
  EXPECT_EQ(total.Text(), "8,800.00");
  form->FocusControl(total);
  for (const char* typed : {"", "-", "-1", "-12", "-12.", "-12.5"}) {
    EXPECT_TRUE(total.UserEdit(typed)) << typed;
    EXPECT_EQ(total.Text(), typed);
  }
  EXPECT_DOUBLE_EQ(total.Value(), -12.5);
  EXPECT_FALSE(total.UserEdit("-12.5x")) << "no key makes it a number again";
  EXPECT_EQ(total.Text(), "-12.5");
  EXPECT_TRUE(form->FocusControl(*other));
  EXPECT_EQ(total.Text(), "-12.50");
  total.ReadOnly = true;
  EXPECT_FALSE(total.UserEdit("1"));
}

TEST_F(DataControls, SetDateWritesTheFieldAndShowsTheDate) {
  Fill({"A1"});
  data->SetDate(DateTime::FromDate(2026, 12, 8) + 30.0);
  EXPECT_EQ(cds->State(), DataSetState::Edit);
  EXPECT_EQ(cds->FieldByName("DATA").AsDateTime(), DateTime::FromDate(2027, 1, 7));
  EXPECT_EQ(data->Text(), "07/01/2027");
}

TEST_F(DataControls, EditWithMaskShowsLiteralsAndStoresTheBareValue) {
  auto& fax = cds->FieldByName("CODIGO");
  (void)fax;
  auto& ds = form->Create<TClientDataSet>("cdsFax");
  ds.AddField("NRFAX", FieldType::String, 25).SetEditMask("!\\(99\\)0000-0000;0; ");
  auto& src = form->Create<TDataSource>("dtsFax", &ds);
  ds.CreateDataSet();
  auto& edit = form->Create<TDBEdit>("dbeFax", form);
  edit.Bind(src, "NRFAX");
  form->FocusControl(edit);
  ASSERT_TRUE(edit.UserEdit("(11)3234-5678"));
  form->FocusControl(*other);
  EXPECT_EQ(ds.FieldByName("NRFAX").AsString(), "1132345678");
  EXPECT_EQ(edit.Text(), "(11)3234-5678");
  // A letter where the mask takes a digit is refused where it was typed.
  form->FocusControl(edit);
  ASSERT_TRUE(edit.UserEdit("(1x)3234-5678"));
  EXPECT_THROW(form->FocusControl(*other), EConvertError);
  EXPECT_EQ(form->ActiveControl(), &edit);
  EXPECT_EQ(ds.FieldByName("NRFAX").AsString(), "1132345678");
}

TEST_F(DataControls, RadioGroupFollowsStoredValuesAndWritesTheChosenOne) {
  auto& radio = form->Create<TDBRadioGroup>("dbrTipo", form);
  radio.Items = {"Cliente", "Prospect"};
  radio.Values = {"C", "P"};
  radio.Bind(*dts, "CODIGO");
  int changes = 0;
  radio.OnChange = [&](TControl&) { ++changes; };
  Fill({"P"});
  EXPECT_EQ(radio.ItemIndex(), 1);
  form->FocusControl(radio);
  ASSERT_TRUE(radio.UserChoose(0));
  EXPECT_EQ(radio.ItemIndex(), 0);
  form->FocusControl(*other);
  EXPECT_EQ(cds->FieldByName("CODIGO").AsString(), "C");
  cds->Post();
  cds->Edit();
  cds->FieldByName("CODIGO").SetAsString("X");
  EXPECT_EQ(radio.ItemIndex(), -1);
  EXPECT_GE(changes, 3);
}

TEST_F(DataControls, DropDownWritesTheItemTextThroughTheSetTextHandler) {
  auto& combo = form->Create<TDBComboBox>("dcbTipo", form);
  combo.Items = {"Solicitação", ""};
  combo.Bind(*dts, "CODIGO");
  auto& field = cds->FieldByName("CODIGO");
  field.OnGetText = [](TField& f, std::string& text, bool) {
    text = f.IsNull() ? "" : f.AsString() == "S" ? "Solicitação" : "Proposta";
  };
  field.OnSetText = [&](TField& f, const std::string&) { f.SetAsString(combo.ItemIndex() == 0 ? "S" : "N"); };
  Fill({"S"});
  EXPECT_EQ(combo.ItemIndex(), 0);
  form->FocusControl(combo);
  ASSERT_TRUE(combo.UserChoose(1));
  form->FocusControl(*other);
  EXPECT_EQ(field.AsString(), "N");
  EXPECT_EQ(combo.ItemIndex(), -1);  // "Proposta" is not an item
}

TEST_F(DataControls, DisabledControlsStopFollowingButEventsGoOn) {
  Fill({"A1", "B2"});
  int scrolls = 0;
  cds->AfterScroll = [&](TDataSet&) { ++scrolls; };
  cds->DisableControls();
  cds->Next();
  EXPECT_EQ(nome->Text(), "Nome A1");
  EXPECT_EQ(scrolls, 1);
  cds->EnableControls();
  EXPECT_EQ(nome->Text(), "Nome B2");
}

}  // namespace
