// Order of data-set events, state announcements to data sources, disabled
// controls and calculated fields.
#include "platform/data/dataset_fixture.h"

namespace plat::testing {
namespace {

class DataSetEvents : public ClientFixture {
 protected:
  void SetUp() override {
    ClientFixture::SetUp();
    log.Watch(cds);
    log.Watch(ds);
  }
};

TEST_F(DataSetEvents, FillRunsAfterOpenThenAfterScroll) {
  cds.Close();
  log.Take();
  cds.SetData(ClientPacket({"Ana"}));
  EXPECT_EQ(log.Take(), (Strings{"dsCliente=browse", "AfterOpen:browse", "AfterScroll:browse"}));
  cds.Close();
  log.Take();
  cds.SetData(ClientPacket({}));
  EXPECT_EQ(log.Take(), (Strings{"dsCliente=browse", "AfterOpen:browse", "AfterScroll:browse"}));
}

// BeforeScroll comes before every move away from the current record, on
// the record being left; a refusal there keeps the cursor (and Eof) as it was.
TEST_F(DataSetEvents, BeforeScrollRunsOnTheRecordLeftAndCanKeepIt) {
  std::vector<std::string> left;
  cds.BeforeScroll = [&](TDataSet& d) {
    left.push_back(d.State() == DataSetState::Insert ? "new" : Name().AsString());
  };
  cds.Next();
  cds.Last();
  cds.First();
  cds.Insert();
  cds.Cancel();
  cds.Delete();
  EXPECT_EQ(left, (Strings{"Ana", "Bruno", "Carla", "Ana", "Ana"}));
  bool refuse = true;
  cds.BeforeScroll = [&](TDataSet&) {
    if (refuse) throw EAbort();
  };
  EXPECT_THROW(cds.Next(), EAbort);
  EXPECT_EQ(Name().AsString(), "Bruno");
  EXPECT_FALSE(cds.Eof());
  refuse = false;
  cds.Next();
  EXPECT_EQ(Name().AsString(), "Carla");
}

TEST_F(DataSetEvents, InsertAnnouncesInsertStateBeforeAfterInsert) {
  cds.Insert();
  EXPECT_EQ(log.Take(),
            (Strings{"BeforeInsert:browse", "dsCliente=insert", "AfterInsert:insert", "AfterScroll:insert"}));
}

TEST_F(DataSetEvents, PostAnnouncesBrowseBeforeAfterPost) {
  cds.Edit();
  EXPECT_EQ(log.Take(), (Strings{"BeforeEdit:browse", "dsCliente=edit", "AfterEdit:edit"}));
  Name().SetAsString("Alice");
  cds.Post();
  EXPECT_EQ(log.Take(), (Strings{"BeforePost:edit", "dsCliente=browse", "AfterPost:browse"}));
}

TEST_F(DataSetEvents, CancelledInsertScrollsBackButCancelledEditDoesNot) {
  cds.Append();
  log.Take();
  cds.Cancel();
  EXPECT_EQ(log.Take(),
            (Strings{"BeforeCancel:insert", "dsCliente=browse", "AfterCancel:browse", "AfterScroll:browse"}));
  cds.Edit();
  log.Take();
  cds.Cancel();
  EXPECT_EQ(log.Take(), (Strings{"BeforeCancel:edit", "dsCliente=browse", "AfterCancel:browse"}));
}

TEST_F(DataSetEvents, DeleteRunsAfterDeleteThenAfterScroll) {
  cds.Delete();
  EXPECT_EQ(log.Take(), (Strings{"BeforeDelete:browse", "AfterDelete:browse", "AfterScroll:browse"}));
  cds.Edit();
  log.Take();
  cds.Delete();
  EXPECT_EQ(log.Take(), (Strings{"BeforeDelete:edit", "dsCliente=browse", "AfterDelete:browse", "AfterScroll:browse"}));
}

TEST_F(DataSetEvents, NavigationScrollsOnlyWhenTheCursorMoves) {
  cds.Next();
  cds.Last();
  EXPECT_EQ(log.Take(), (Strings{"AfterScroll:browse", "AfterScroll:browse"}));
  cds.Next();
  cds.MoveBy(0);
  EXPECT_TRUE(log.Take().empty());
  cds.Locate("NMCLIENTE", "Ana");
  EXPECT_EQ(log.Take(), (Strings{"AfterScroll:browse"}));
}

TEST_F(DataSetEvents, MovingWhileEditingPostsBeforeScrolling) {
  cds.Edit();
  Name().SetAsString("Alice");
  log.Take();
  cds.Next();
  EXPECT_EQ(log.Take(), (Strings{"BeforePost:edit", "dsCliente=browse", "AfterPost:browse", "AfterScroll:browse"}));
}

TEST_F(DataSetEvents, DataSourcesAreToldInAttachOrder) {
  auto& second = form.Create<TDataSource>("dsSegundo", &cds);
  auto& third = form.Create<TDataSource>("dsTerceiro");
  log.Watch(second);
  log.Watch(third);
  third.SetDataSet(&cds);
  cds.Edit();
  EXPECT_EQ(log.Take(),
            (Strings{"BeforeEdit:browse", "dsCliente=edit", "dsSegundo=edit", "dsTerceiro=edit", "AfterEdit:edit"}));
  second.SetDataSet(nullptr);
  cds.Cancel();
  EXPECT_EQ(log.Take(), (Strings{"BeforeCancel:edit", "dsCliente=browse", "dsTerceiro=browse", "AfterCancel:browse"}));
}

TEST_F(DataSetEvents, DisabledControlsMissChangesButEventsGoOn) {
  FakeEdit edit(ds, "NMCLIENTE");
  int refreshes = edit.refreshes;
  cds.DisableControls();
  cds.Next();
  cds.Edit();
  cds.Cancel();
  EXPECT_EQ(edit.refreshes, refreshes);
  EXPECT_EQ(log.Take(), (Strings{"AfterScroll:browse", "BeforeEdit:browse", "dsCliente=edit", "AfterEdit:edit",
                                 "BeforeCancel:edit", "dsCliente=browse", "AfterCancel:browse"}));
  cds.EnableControls();
  EXPECT_GT(edit.refreshes, refreshes);
  EXPECT_FALSE(cds.ControlsDisabled());
}

TEST(CalculatedFields, AreComputedForEveryRecordReadAndNeverSent) {
  TComponent form(nullptr, "frm");
  auto& cds = form.Create<TClientDataSet>("cds");
  TField& name = cds.AddField("NMCLIENTE", FieldType::String, 20);
  TField& balance = cds.AddField("VLSALDO", FieldType::Decimal, 32);
  TField& doubled = cds.AddField("VLDOBRO", FieldType::Float, 0, FieldKind::Calculated);
  cds.OnCalcFields = [&](TDataSet&) { doubled.SetAsFloat(balance.AsFloat() * 2); };
  cds.SetData(ClientPacket({"Ana", "Bruno"}));
  EXPECT_EQ(doubled.AsFloat(), 20.0);
  cds.Next();
  EXPECT_EQ(doubled.AsFloat(), 40.0);

  cds.Edit();
  balance.SetAsString("7.5");
  EXPECT_EQ(doubled.AsFloat(), 15.0);  // the edit buffer follows at once
  cds.Post();
  EXPECT_EQ(doubled.AsFloat(), 15.0);
  cds.Append();
  name.SetAsString("Carla");
  balance.SetAsFloat(1);
  cds.Post();
  cds.First();
  cds.Last();
  EXPECT_EQ(doubled.AsFloat(), 2.0);

  DataPacket data = cds.Data();
  EXPECT_EQ(data.FieldIndex("VLDOBRO"), -1);
  EXPECT_EQ(data.rows.at(0).size(), 2u);
  Delta delta = cds.GetDelta();
  EXPECT_EQ(delta.FieldIndex("VLDOBRO"), -1);
  ASSERT_EQ(delta.changes.size(), 2u);
  EXPECT_EQ(delta.changes[0].current.size(), 2u);
  EXPECT_EQ(delta.changes[0].original.size(), 2u);
  EXPECT_THROW(doubled.SetAsFloat(1), EDatabaseError);  // browsing: not writable outside the calculation
}

TEST(CalculatedFields, AreComputedWhenARecordIsReadAgainAfterAReloadAndRetriedAfterAFailure) {
  TComponent form(nullptr, "frm");
  auto& cds = form.Create<TClientDataSet>("cds");
  cds.AddField("CDCLIENTE", FieldType::Integer);
  TField& name = cds.AddField("NMCLIENTE", FieldType::String, 20);
  cds.AddField("VLSALDO", FieldType::Decimal, 32);
  TField& label = cds.AddField("DSROTULO", FieldType::String, 30, FieldKind::Calculated);
  int runs = 0;
  bool failing = false;
  cds.OnCalcFields = [&](TDataSet&) {
    ++runs;
    if (failing) throw EDatabaseError("no label");
    label.SetAsString("<" + name.AsString() + ">");
  };
  std::vector<std::string> names;
  for (int i = 0; i < 500; ++i) names.push_back("N" + std::to_string(i));
  cds.SetData(ClientPacket(names));
  EXPECT_EQ(runs, 0);  // a list of many opens without labelling each
  EXPECT_EQ(label.AsString(), "<N0>");
  EXPECT_EQ(label.AsString(), "<N0>");
  EXPECT_EQ(runs, 1);

  ASSERT_TRUE(cds.Locate("DSROTULO", Variant("<N7>")));
  EXPECT_EQ(name.AsString(), "N7");
  cds.Edit();
  name.SetAsString("Zeca");
  EXPECT_EQ(label.AsString(), "<Zeca>");
  cds.Post();
  cds.CancelUpdates();  // restored: labelled again from the restored name
  ASSERT_TRUE(cds.Locate("NMCLIENTE", Variant("N7")));
  EXPECT_EQ(label.AsString(), "<N7>");

  cds.Next();
  failing = true;
  EXPECT_THROW(label.AsString(), EDatabaseError);
  failing = false;
  EXPECT_EQ(label.AsString(), "<N8>");

  // A packet carrying a column of the calculated field's name: its values
  // are never shown for it.
  DataPacket stale = ClientPacket({"Ana", "Bia"});
  stale.fields.push_back({"DSROTULO", FieldType::String, 30});
  for (Row& row : stale.rows) row.push_back(Variant("stale"));
  cds.SetData(std::move(stale));
  EXPECT_EQ(label.AsString(), "<Ana>");
  EXPECT_TRUE(cds.Locate("DSROTULO", Variant("<Bia>")));
  EXPECT_FALSE(cds.Locate("DSROTULO", Variant("stale")));
}

TEST(CalculatedFields, ControlsShowingThemFollowAnEdit) {
  TComponent form(nullptr, "frm");
  auto& cds = form.Create<TClientDataSet>("cds");
  auto& ds = form.Create<TDataSource>("ds", &cds);
  TField& balance = cds.AddField("VLSALDO", FieldType::Decimal, 32);
  TField& doubled = cds.AddField("VLDOBRO", FieldType::Float, 0, FieldKind::Calculated);
  cds.OnCalcFields = [&](TDataSet&) { doubled.SetAsFloat(balance.AsFloat() * 2); };
  cds.CreateDataSet();
  FakeEdit label(ds, "VLDOBRO");
  std::string shown;
  label.link.OnDataChange = [&] { shown = label.link.Field()->DisplayText(); };
  cds.Append();
  balance.SetAsFloat(4);
  EXPECT_EQ(shown, "8");
}

}  // namespace
}  // namespace plat::testing
