// The change log of a client data set: net change per record, delta,
// merge and cancel.
#include "platform/data/dataset_fixture.h"

namespace plat::testing {
namespace {

class ChangeLog : public ClientFixture {
 protected:
  // The data row of a client as the delta carries it.
  static Row Client(int64_t code, const std::string& name, int64_t balance) {
    return {Variant(code), Variant(name), Variant(Decimal::FromInt(balance))};
  }
  void Rename(const std::string& from, const std::string& to) {
    ASSERT_TRUE(cds.Locate("NMCLIENTE", from));
    cds.Edit();
    Name().SetAsString(to);
    cds.Post();
  }
  void Remove(const std::string& name) {
    ASSERT_TRUE(cds.Locate("NMCLIENTE", name));
    cds.Delete();
  }
  void Add(int64_t code, const std::string& name) {
    cds.Append();
    Code().SetValue(code);
    Name().SetAsString(name);
    cds.FieldByName("VLSALDO").SetValue(Decimal::FromInt(code * 10));
    cds.Post();
  }
};

TEST_F(ChangeLog, EveryPostAndDeleteIsLoggedInOrderOfChange) {
  Rename("Bruno", "Beto");
  Add(4, "Davi");
  Remove("Ana");
  EXPECT_EQ(cds.ChangeCount(), 3);
  Delta delta = cds.GetDelta();
  EXPECT_EQ(delta.fields, cds.Data().fields);
  ASSERT_EQ(delta.changes.size(), 3u);
  EXPECT_EQ(delta.changes[0], (DeltaEntry{ChangeKind::Modify, Client(2, "Bruno", 20), Client(2, "Beto", 20)}));
  EXPECT_EQ(delta.changes[1], (DeltaEntry{ChangeKind::Insert, {}, Client(4, "Davi", 40)}));
  EXPECT_EQ(delta.changes[2], (DeltaEntry{ChangeKind::Delete, Client(1, "Ana", 10), {}}));
}

TEST_F(ChangeLog, CancelledEditsAreNotLogged) {
  cds.Edit();
  Name().SetAsString("Alice");
  cds.Cancel();
  cds.Append();
  cds.Cancel();
  EXPECT_EQ(cds.ChangeCount(), 0);
}

TEST_F(ChangeLog, InsertThenModifyIsOneInsertWithTheFinalValues) {
  Add(4, "Davi");
  Rename("Davi", "Dora");
  ASSERT_EQ(cds.ChangeCount(), 1);
  EXPECT_EQ(cds.GetDelta().changes[0], (DeltaEntry{ChangeKind::Insert, {}, Client(4, "Dora", 40)}));
}

TEST_F(ChangeLog, InsertThenDeleteLeavesNothing) {
  Add(4, "Davi");
  Remove("Davi");
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_TRUE(cds.GetDelta().changes.empty());
}

TEST_F(ChangeLog, ModifyTwiceIsOneModifyFromTheMergeTimeValue) {
  Rename("Ana", "Alice");
  Rename("Alice", "Aline");
  ASSERT_EQ(cds.ChangeCount(), 1);
  EXPECT_EQ(cds.GetDelta().changes[0], (DeltaEntry{ChangeKind::Modify, Client(1, "Ana", 10), Client(1, "Aline", 10)}));
}

TEST_F(ChangeLog, BaseValueIsTheValueTheLoggedChangeStartedFrom) {
  Rename("Ana", "Alice");
  EXPECT_EQ(cds.BaseValue(Name()).ToText(), "Ana");
  // Typed over again, the record still starts from the merge-time value.
  cds.Edit();
  Name().SetAsString("Aline");
  EXPECT_EQ(cds.BaseValue(Name()).ToText(), "Ana");
  cds.Cancel();
  ASSERT_TRUE(cds.Locate("NMCLIENTE", "Bruno"));
  EXPECT_EQ(cds.BaseValue(Name()).ToText(), "Bruno");
  // A record inserted since has no merge-time value: the one it is to be
  // sent with.
  Add(4, "Davi");
  EXPECT_EQ(cds.BaseValue(Name()).ToText(), "Davi");
  cds.MergeChangeLog();
  ASSERT_TRUE(cds.Locate("NMCLIENTE", "Alice"));
  EXPECT_EQ(cds.BaseValue(Name()).ToText(), "Alice");
}

TEST_F(ChangeLog, ModifyThenDeleteIsADeleteOfTheMergeTimeValue) {
  Rename("Ana", "Alice");
  Remove("Alice");
  ASSERT_EQ(cds.ChangeCount(), 1);
  EXPECT_EQ(cds.GetDelta().changes[0], (DeltaEntry{ChangeKind::Delete, Client(1, "Ana", 10), {}}));
}

TEST_F(ChangeLog, MergeMakesTheCurrentContentTheNewBase) {
  Rename("Ana", "Alice");
  Add(4, "Davi");
  cds.MergeChangeLog();
  EXPECT_EQ(cds.ChangeCount(), 0);
  Rename("Alice", "Aline");
  Remove("Davi");
  Delta delta = cds.GetDelta();
  ASSERT_EQ(delta.changes.size(), 2u);
  EXPECT_EQ(delta.changes[0], (DeltaEntry{ChangeKind::Modify, Client(1, "Alice", 10), Client(1, "Aline", 10)}));
  EXPECT_EQ(delta.changes[1], (DeltaEntry{ChangeKind::Delete, Client(4, "Davi", 40), {}}));
}

TEST_F(ChangeLog, NothingIsLoggedWhileLogChangesIsOff) {
  cds.LogChanges = false;
  Rename("Ana", "Alice");
  Add(4, "Davi");
  Remove("Bruno");
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(Names(cds), (Strings{"Alice", "Carla", "Davi"}));
}

TEST_F(ChangeLog, CancelUpdatesRestoresTheMergeTimeContentInItsOrder) {
  Rename("Bruno", "Beto");
  Remove("Ana");
  cds.First();
  cds.Insert();
  Name().SetAsString("Zeca");
  cds.Post();
  Remove("Carla");
  cds.CancelUpdates();
  EXPECT_EQ(cds.ChangeCount(), 0);
  EXPECT_EQ(cds.Data(), ClientPacket({"Ana", "Bruno", "Carla"}));
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_FALSE(Name().IsNull());
}

TEST_F(ChangeLog, CancelUpdatesAfterMergeStopsAtTheMerge) {
  Remove("Ana");
  cds.MergeChangeLog();
  Rename("Carla", "Cris");
  cds.CancelUpdates();
  EXPECT_EQ(Names(cds), (Strings{"Bruno", "Carla"}));
}

TEST_F(ChangeLog, FillingAgainEmptiesTheLog) {
  Rename("Ana", "Alice");
  cds.SetData(ClientPacket({"Ana"}));
  EXPECT_EQ(cds.ChangeCount(), 0);
}

}  // namespace
}  // namespace plat::testing
