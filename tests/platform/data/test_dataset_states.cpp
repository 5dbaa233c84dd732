// Data-set states, filling, navigation and editing of a client data set.
#include "platform/data/dataset_fixture.h"

namespace plat::testing {
namespace {

class DataSetStates : public ClientFixture {};

TEST_F(DataSetStates, StatesAreNumberedInactiveBrowseEditInsert) {
  EXPECT_EQ(static_cast<int>(cds.State()), 1);
  cds.Edit();
  EXPECT_EQ(static_cast<int>(cds.State()), 2);
  cds.Insert();
  EXPECT_EQ(static_cast<int>(cds.State()), 3);
  cds.Close();
  EXPECT_EQ(static_cast<int>(cds.State()), 0);
}

TEST_F(DataSetStates, FillReplacesTheContentAndOpensOnTheFirstRecord) {
  cds.Last();
  cds.SetData(ClientPacket({"Davi", "Eva"}));
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(cds.RecordCount(), 2);
  EXPECT_EQ(cds.RecNo(), 1);
  EXPECT_EQ(Name().AsString(), "Davi");
  EXPECT_TRUE(cds.Bof());
  EXPECT_FALSE(cds.Eof());
  cds.SetData(ClientPacket({}));
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_TRUE(cds.IsEmpty());
  EXPECT_TRUE(cds.Bof() && cds.Eof());
  EXPECT_EQ(cds.RecNo(), 0);
  EXPECT_TRUE(Name().IsNull());
}

TEST_F(DataSetStates, FieldsComeFromThePacketWhenNoneAreDeclared) {
  ASSERT_EQ(cds.FieldCount(), 3);
  EXPECT_EQ(Name().DataType(), FieldType::String);
  EXPECT_EQ(Name().Size(), 20);
  EXPECT_EQ(Code().AsInteger(), 1);
  DataPacket other;
  other.fields = {{"CDOPERADOR", FieldType::Integer}};
  other.rows = {{Variant(7)}};
  cds.SetData(other);
  EXPECT_EQ(cds.FieldCount(), 1);
  EXPECT_EQ(cds.FindField("NMCLIENTE"), nullptr);
  EXPECT_EQ(cds.FieldByName("CDOPERADOR").AsInteger(), 7);
}

TEST_F(DataSetStates, DeclaredFieldsTakeTheirColumnsAndNeedThemAll) {
  auto& declared = form.Create<TClientDataSet>("cdsProposta");
  TField& name = declared.AddField("NMCLIENTE", FieldType::String, 20);
  declared.SetData(ClientPacket({"Ana"}));  // CDCLIENTE and VLSALDO are ignored
  EXPECT_EQ(declared.FieldCount(), 1);
  EXPECT_EQ(name.AsString(), "Ana");
  declared.Close();
  declared.AddField("NRPROPOSFAS", FieldType::Integer);
  std::string message = ErrorOf([&] { declared.SetData(ClientPacket({"Ana"})); });
  EXPECT_TRUE(Contains(message, "cdsProposta"));
  EXPECT_TRUE(Contains(message, "NRPROPOSFAS"));
  EXPECT_FALSE(declared.Active());
}

TEST_F(DataSetStates, StoredDataLoadsWithoutTheAssignmentChecks) {
  auto& declared = form.Create<TClientDataSet>("cdsProposta");
  TField& code = declared.AddField("CDCLIENTE", FieldType::Float).SetRange(5, 9);
  TField& name = declared.AddField("NMCLIENTE", FieldType::String, 3);
  declared.SetData(ClientPacket({"Ana", "Bruno"}));  // integer codes 1 and 2, a name of five
  EXPECT_EQ(code.AsFloat(), 1.0);
  EXPECT_TRUE(declared.Locate("CDCLIENTE", 2));
  EXPECT_EQ(name.AsString(), "Bruno");
  declared.Edit();
  EXPECT_THROW(code.SetAsFloat(2), EDatabaseError);
  EXPECT_THROW(name.SetAsString("Bruno"), EDatabaseError);
}

TEST_F(DataSetStates, CloseEmptiesTheDataSet) {
  cds.Close();
  EXPECT_EQ(cds.State(), DataSetState::Inactive);
  EXPECT_EQ(cds.RecordCount(), 0);
  EXPECT_TRUE(Name().IsNull());
}

TEST_F(DataSetStates, NavigationMovesTheCursorAndSetsBofEof) {
  cds.Next();
  EXPECT_EQ(cds.RecNo(), 2);
  EXPECT_FALSE(cds.Bof());
  cds.Last();
  EXPECT_EQ(Name().AsString(), "Carla");
  EXPECT_TRUE(cds.Eof());
  cds.Prior();
  EXPECT_EQ(cds.RecNo(), 2);
  EXPECT_FALSE(cds.Eof());
  cds.Next();
  cds.Next();  // past the end: stays on the last record
  EXPECT_EQ(cds.RecNo(), 3);
  EXPECT_TRUE(cds.Eof());
  cds.First();
  EXPECT_TRUE(cds.Bof());
  EXPECT_EQ(cds.MoveBy(5), 2);
  EXPECT_TRUE(cds.Eof());
  EXPECT_EQ(cds.MoveBy(-1), -1);
  EXPECT_EQ(Name().AsString(), "Bruno");
}

TEST_F(DataSetStates, InsertPutsTheNewRecordBeforeTheCurrentOne) {
  cds.Next();
  cds.Insert();
  EXPECT_EQ(cds.RecNo(), 0);
  EXPECT_TRUE(Name().IsNull());
  Name().SetAsString("Zeca");
  cds.Post();
  EXPECT_EQ(cds.RecNo(), 2);
  EXPECT_EQ(Name().AsString(), "Zeca");
  EXPECT_EQ(Names(cds), (Strings{"Ana", "Zeca", "Bruno", "Carla"}));
}

TEST_F(DataSetStates, AppendPutsTheNewRecordAtTheEnd) {
  cds.Append();
  Name().SetAsString("Zeca");
  cds.Post();
  EXPECT_EQ(cds.RecNo(), 4);
  EXPECT_EQ(Names(cds), (Strings{"Ana", "Bruno", "Carla", "Zeca"}));
}

TEST_F(DataSetStates, CancelDiscardsTheEditedValues) {
  cds.Edit();
  Name().SetAsString("Alice");
  EXPECT_TRUE(cds.Modified());
  cds.Cancel();
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(Name().AsString(), "Ana");
}

TEST_F(DataSetStates, DeleteRemovesTheCurrentRecord) {
  cds.Next();
  cds.Delete();
  EXPECT_EQ(Name().AsString(), "Carla");
  cds.Delete();
  EXPECT_EQ(Name().AsString(), "Ana");  // the last one went: the cursor steps back
  cds.Delete();
  EXPECT_TRUE(cds.IsEmpty());
  EXPECT_TRUE(cds.Eof());
}

TEST_F(DataSetStates, LocateIsExactAndCaseSensitiveByDefault) {
  cds.Last();
  EXPECT_FALSE(cds.Locate("NMCLIENTE", "bruno"));
  EXPECT_FALSE(cds.Locate("NMCLIENTE", "Bru"));
  EXPECT_EQ(cds.RecNo(), 3);  // a failed search does not move
  EXPECT_TRUE(cds.Locate("NMCLIENTE", "Bruno"));
  EXPECT_EQ(cds.RecNo(), 2);
  EXPECT_TRUE(cds.Locate("NMCLIENTE", "ana", {.caseInsensitive = true}));
  EXPECT_EQ(cds.RecNo(), 1);
  EXPECT_TRUE(cds.Locate("NMCLIENTE", "Car", {.partialKey = true}));
  EXPECT_EQ(cds.RecNo(), 3);
  EXPECT_TRUE(cds.Locate("CDCLIENTE", "2"));
  EXPECT_EQ(cds.RecNo(), 2);
}

TEST_F(DataSetStates, LocateForAValueTheFieldCannotHoldFindsNothing) {
  EXPECT_FALSE(cds.Locate("NMCLIENTE", std::string(30, 'A')));
  EXPECT_FALSE(cds.Locate("CDCLIENTE", "abc"));
}

TEST_F(DataSetStates, MovingWhileEditingPostsAModifiedRecord) {
  cds.Edit();
  Name().SetAsString("Alice");
  cds.Next();
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(Names(cds), (Strings{"Alice", "Bruno", "Carla"}));
}

TEST_F(DataSetStates, MovingWhileInsertingCancelsAnUnmodifiedRecord) {
  cds.Insert();
  cds.Last();
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(cds.RecordCount(), 3);
}

TEST_F(DataSetStates, MovingWritesPendingControlTextFirst) {
  FakeEdit edit(ds, "NMCLIENTE");
  cds.Append();  // unmodified: only the control holds the text
  edit.Type("Zeca");
  EXPECT_TRUE(Name().IsNull());
  cds.First();
  EXPECT_EQ(Names(cds), (Strings{"Ana", "Bruno", "Carla", "Zeca"}));
  edit.Type("Alice");  // auto-edit through the link
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  cds.Locate("NMCLIENTE", "Carla");
  EXPECT_EQ(Names(cds), (Strings{"Alice", "Bruno", "Carla", "Zeca"}));
}

// A grid shows the record being inserted at its insert position.
TEST_F(DataSetStates, ViewRowsShowTheInsertedRecordInPlace) {
  cds.Next();
  cds.Insert();
  Name().SetAsString("Zeca");
  ASSERT_EQ(cds.ViewRowCount(), 4);
  EXPECT_EQ(cds.ViewCurrentRow(), 1);
  Strings shown;
  for (int row = 0; row < cds.ViewRowCount(); ++row) cds.ReadViewRow(row, [&] { shown.push_back(Name().AsString()); });
  EXPECT_EQ(shown, (Strings{"Ana", "Zeca", "Bruno", "Carla"}));
  cds.MoveToViewRow(3);  // stores the new record: Carla keeps row 3
  EXPECT_EQ(Name().AsString(), "Carla");
  cds.Insert();          // before Carla: she shows on row 4
  cds.MoveToViewRow(4);  // the empty insert row goes away
  EXPECT_EQ(Name().AsString(), "Carla");
  EXPECT_EQ(cds.RecordCount(), 4);
}

TEST_F(DataSetStates, EditOnAnEmptyDataSetStartsAnInsert) {
  cds.SetData(ClientPacket({}));
  bool afterInsert = false;
  cds.AfterInsert = [&](TDataSet&) { afterInsert = true; };
  cds.Edit();
  EXPECT_EQ(cds.State(), DataSetState::Insert);
  EXPECT_TRUE(afterInsert);
}

TEST_F(DataSetStates, ClosedDataSetRefusesEditingAndAssignment) {
  cds.Close();
  const char* closed = "Operação impossível com o conjunto de dados fechado";
  EXPECT_TRUE(Contains(ErrorOf([&] { cds.Edit(); }), closed));
  EXPECT_TRUE(Contains(ErrorOf([&] { cds.Insert(); }), closed));
  EXPECT_TRUE(Contains(ErrorOf([&] { cds.Delete(); }), closed));
  EXPECT_TRUE(Contains(ErrorOf([&] { Name().SetAsString("X"); }), closed));
  EXPECT_TRUE(Contains(ErrorOf([&] { cds.Next(); }), closed));
}

TEST_F(DataSetStates, AssigningAFieldInBrowseFails) {
  EXPECT_TRUE(Contains(ErrorOf([&] { Name().SetAsString("X"); }), "não está em edição nem em inclusão"));
  EXPECT_EQ(Name().AsString(), "Ana");
}

TEST_F(DataSetStates, DeleteOnAnEmptyDataSetFails) {
  cds.SetData(ClientPacket({}));
  EXPECT_TRUE(Contains(ErrorOf([&] { cds.Delete(); }), "conjunto de dados vazio"));
}

TEST_F(DataSetStates, DeleteWhileInsertingCancelsTheInsert) {
  cds.Insert();
  Name().SetAsString("Zeca");
  cds.Delete();
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(Names(cds), (Strings{"Ana", "Bruno", "Carla"}));
}

TEST_F(DataSetStates, PostWritesPendingControlTextBeforeBeforePost) {
  FakeEdit edit(ds, "NMCLIENTE");
  edit.Type("Alice");
  std::string seen;
  cds.BeforePost = [&](TDataSet&) { seen = Name().AsString(); };
  cds.Post();
  EXPECT_EQ(seen, "Alice");
  EXPECT_EQ(Name().AsString(), "Alice");
}

TEST_F(DataSetStates, ExceptionInBeforePostKeepsTheRecordEditing) {
  cds.BeforePost = [](TDataSet&) { throw EAbort(); };
  cds.Edit();
  Name().SetAsString("Alice");
  EXPECT_THROW(cds.Post(), EAbort);
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  EXPECT_EQ(Name().AsString(), "Alice");

  cds.Cancel();
  cds.BeforePost = [](TDataSet& d) {
    if (d.FieldByName("NMCLIENTE").IsNull()) throw EDatabaseError("Informe o nome");
  };
  cds.Insert();
  Code().SetValue(9);
  EXPECT_THROW(cds.Post(), EDatabaseError);
  EXPECT_EQ(cds.State(), DataSetState::Insert);
  EXPECT_EQ(Code().AsInteger(), 9);
  EXPECT_EQ(cds.RecordCount(), 3);
}

TEST_F(DataSetStates, PostInBrowseDoesNothing) {
  bool called = false;
  cds.BeforePost = [&](TDataSet&) { called = true; };
  cds.Post();
  EXPECT_FALSE(called);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
}

}  // namespace
}  // namespace plat::testing

namespace plat::testing {
namespace {

// What a field held before the current edit: the stored value while the
// record is edited, the current one in any other state.
TEST_F(DataSetStates, AFieldsOldValueIsTheStoredOneWhileEditing) {
  const std::string stored = Name().AsString();
  cds.Edit();
  Name().SetAsString("Outro");
  EXPECT_EQ(Name().ValueText(Name().OldValue()), stored);
  EXPECT_EQ(Name().AsString(), "Outro");
  cds.Post();
  EXPECT_EQ(Name().ValueText(Name().OldValue()), "Outro");
  cds.Append();
  Name().SetAsString("Novo");
  EXPECT_EQ(Name().ValueText(Name().OldValue()), "Novo");
  cds.Cancel();
}

}  // namespace
}  // namespace plat::testing
