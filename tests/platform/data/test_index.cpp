// The index of a client data set: its records kept in the order of one
// field, for walks, reloads, posts, cancels and pending edits alike.
#include "platform/data/dataset_fixture.h"

namespace plat::testing {
namespace {

class Index : public ClientFixture {
 protected:
  void SetUp() override { cds.SetData(ClientPacket({"Carla", "Ana", "Bruno", "Ana"})); }
  // The names as First/Next walks them.
  Strings Walk() {
    Strings names;
    for (cds.First(); !cds.Eof(); cds.Next()) names.push_back(Name().AsString());
    return names;
  }
};

TEST_F(Index, OrdersTheRecordsAscendingOrDescendingAndKeepsTheCurrentOne) {
  ASSERT_TRUE(cds.Locate("NMCLIENTE", "Bruno"));
  log.Watch(cds);
  cds.SetIndex("NMCLIENTE");
  EXPECT_EQ(Name().AsString(), "Bruno");
  EXPECT_EQ(cds.RecNo(), 3);
  EXPECT_EQ(log.Take(), Strings{});  // the same record: no scroll
  EXPECT_EQ(Walk(), (Strings{"Ana", "Ana", "Bruno", "Carla"}));
  // Equal names keep their order: code 2 before code 4.
  cds.First();
  EXPECT_EQ(Code().AsString(), "2");

  cds.SetIndex("CDCLIENTE", true);
  EXPECT_EQ(Walk(), (Strings{"Ana", "Bruno", "Ana", "Carla"}));
  cds.SetIndex("VLSALDO");
  EXPECT_EQ(Walk(), (Strings{"Carla", "Ana", "Bruno", "Ana"}));
  // Dropping the index leaves the records where they are.
  cds.SetIndex("");
  EXPECT_EQ(Walk(), (Strings{"Carla", "Ana", "Bruno", "Ana"}));
  EXPECT_TRUE(cds.IndexFieldName().empty());
}

TEST_F(Index, NumbersSortByValueAndNullsComeFirst) {
  DataPacket packet = ClientPacket({"Ana", "Bruno", "Carla"});
  packet.rows[0][2] = Variant(Decimal::FromInt(100));
  packet.rows[2][2] = Variant::Null();
  cds.SetData(packet);
  cds.SetIndex("VLSALDO");
  EXPECT_EQ(Walk(), (Strings{"Carla", "Bruno", "Ana"}));  // null, 20, 100 (not "100" < "20")
}

TEST_F(Index, HoldsThroughReloadPostAndCancel) {
  cds.SetIndex("NMCLIENTE", true);
  // A reload opens on the first record of the order.
  log.Watch(cds);
  cds.SetData(ClientPacket({"Ana", "Davi", "Bruno"}));
  EXPECT_EQ(Name().AsString(), "Davi");
  EXPECT_EQ(Walk(), (Strings{"Davi", "Bruno", "Ana"}));
  // A stored record takes its place, the cursor with it.
  cds.Append();
  Name().SetAsString("Carla");
  cds.Post();
  EXPECT_EQ(Name().AsString(), "Carla");
  EXPECT_EQ(cds.RecNo(), 2);
  ASSERT_TRUE(cds.Locate("NMCLIENTE", "Ana"));
  cds.Edit();
  Name().SetAsString("Edu");
  cds.Post();
  EXPECT_EQ(cds.RecNo(), 1);
  EXPECT_EQ(Walk(), (Strings{"Edu", "Davi", "Carla", "Bruno"}));
  // The delta keeps the order the changes were made in.
  Delta delta = cds.GetDelta();
  ASSERT_EQ(delta.changes.size(), 2u);
  EXPECT_EQ(delta.changes[0].kind, ChangeKind::Insert);
  EXPECT_EQ(delta.changes[1].kind, ChangeKind::Modify);
  // Undoing the changes keeps the order, not the order of the reload.
  cds.CancelUpdates();
  EXPECT_EQ(Walk(), (Strings{"Davi", "Bruno", "Ana"}));
}

TEST_F(Index, APendingEditIsPostedFirstOrKeepsTheOrderWhenItCannotBe) {
  cds.Edit();
  Name().SetAsString("Zeca");
  cds.SetIndex("NMCLIENTE");
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(Name().AsString(), "Zeca");
  EXPECT_EQ(Walk(), (Strings{"Ana", "Ana", "Bruno", "Zeca"}));

  cds.SetIndex("");
  cds.BeforePost = [](TDataSet&) { throw EDatabaseError("Nome inválido"); };
  cds.First();
  cds.Edit();
  Name().SetAsString("Aaron");
  EXPECT_EQ(ErrorOf([&] { cds.SetIndex("NMCLIENTE", true); }), "Nome inválido");
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  EXPECT_TRUE(cds.IndexFieldName().empty());
  // An untouched new record is cancelled, as a move would.
  cds.BeforePost = nullptr;
  cds.Cancel();
  cds.Append();
  cds.SetIndex("CDCLIENTE");
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(cds.RecordCount(), 4);
}

TEST_F(Index, AFieldThatCannotBeIndexedIsRefusedByName) {
  EXPECT_TRUE(Contains(ErrorOf([&] { cds.SetIndex("NMNADA"); }), "NMNADA"));
  EXPECT_TRUE(cds.IndexFieldName().empty());
  // A reload without the field drops the index.
  DataPacket other;
  other.fields = {{"CDCLIENTE", FieldType::Integer}, {"NMCLIENTE", FieldType::String, 20}};
  TClientDataSet& loose = form.Create<TClientDataSet>("cdsSolto");
  loose.SetData(ClientPacket({"Bia", "Ana"}));
  loose.SetIndex("VLSALDO", true);
  other.rows = {{Variant(int64_t{1}), Variant("Bia")}, {Variant(int64_t{2}), Variant("Ana")}};
  loose.SetData(other);
  EXPECT_TRUE(loose.IndexFieldName().empty());
  EXPECT_EQ(loose.FieldByName("NMCLIENTE").AsString(), "Bia");
}

}  // namespace
}  // namespace plat::testing
