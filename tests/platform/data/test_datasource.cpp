// The data source between a data set and its controls: auto-edit and the
// change notifications.
#include "platform/data/dataset_fixture.h"

namespace plat::testing {
namespace {

class DataSource : public ClientFixture {};

TEST_F(DataSource, EditStartsEditingWhenBrowsingWithAutoEdit) {
  EXPECT_TRUE(ds.AutoEdit);
  ds.Edit();
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  EXPECT_EQ(ds.State(), DataSetState::Edit);
}

TEST_F(DataSource, EditDoesNothingWithoutAutoEdit) {
  ds.AutoEdit = false;
  ds.Edit();
  FakeEdit edit(ds, "NMCLIENTE");
  EXPECT_FALSE(edit.link.Edit());
  EXPECT_EQ(cds.State(), DataSetState::Browse);
}

TEST_F(DataSource, EditDoesNothingUnlessBrowsing) {
  cds.Insert();
  Name().SetAsString("Zeca");
  ds.Edit();
  EXPECT_EQ(cds.State(), DataSetState::Insert);
  EXPECT_EQ(Name().AsString(), "Zeca");
  cds.Close();
  ds.Edit();
  EXPECT_EQ(cds.State(), DataSetState::Inactive);
  TDataSource& unbound = form.Create<TDataSource>("dsSolto");
  unbound.Edit();
  EXPECT_EQ(unbound.State(), DataSetState::Inactive);
}

TEST_F(DataSource, EditOnAnEmptyDataSetStartsAnInsert) {
  cds.SetData(ClientPacket({}));
  ds.Edit();
  EXPECT_EQ(cds.State(), DataSetState::Insert);
}

TEST_F(DataSource, OnDataChangeReportsTheChangedFieldAndMoves) {
  std::vector<TField*> changes;
  ds.OnDataChange = [&](TDataSource&, TField* field) { changes.push_back(field); };
  cds.Edit();
  changes.clear();
  Name().SetAsString("Alice");
  EXPECT_EQ(changes, (std::vector<TField*>{&Name()}));
  cds.Post();
  changes.clear();
  cds.Next();
  EXPECT_EQ(changes, (std::vector<TField*>{nullptr}));
  changes.clear();
  cds.DisableControls();
  cds.Next();
  EXPECT_TRUE(changes.empty());
}

TEST_F(DataSource, LinkFollowsItsFieldOnly) {
  FakeEdit nameEdit(ds, "NMCLIENTE");
  FakeEdit codeEdit(ds, "CDCLIENTE");
  cds.Edit();
  int before = codeEdit.refreshes;
  nameEdit.refreshes = 0;
  Name().SetAsString("Alice");
  EXPECT_EQ(nameEdit.refreshes, 1);
  EXPECT_EQ(codeEdit.refreshes, before);
  EXPECT_EQ(nameEdit.link.Field(), &Name());
}

}  // namespace
}  // namespace plat::testing
