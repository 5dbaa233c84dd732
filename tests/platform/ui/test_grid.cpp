// The data-aware grid: columns, cell editing, keys, focus and events, drawing.
#include "platform/ui/grid_fixture.h"
#include "platform/ui/pages.h"

namespace plat::testing {
namespace {

using GridColumns = GridFixture;
using GridEditing = GridFixture;
using GridKeys = GridFixture;
using GridEvents = GridFixture;
using GridDrawing = GridFixture;
using GridSorting = GridFixture;

TEST_F(GridColumns, WithoutDeclaredColumnsShowsVisibleFieldsWithLabelAndWidth) {
  std::vector<TColumn*> columns = grid.Columns();
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[2]->FieldName(), "FLATIVO");
  EXPECT_EQ(columns[0]->Title(), "Code");
  EXPECT_EQ(columns[1]->Width(), 140);
  EXPECT_EQ(grid.Columns(), columns) << "columns stay the same objects while the fields do";
}

TEST_F(GridColumns, DeclaredColumnsReplaceFieldColumns) {
  grid.AddColumn("DSITEM").SetTitle("Item");
  grid.AddColumn("IDINTERNO");
  ASSERT_EQ(grid.Columns().size(), 2u);
  EXPECT_EQ(grid.ColumnByField("IDINTERNO"), grid.Columns()[1]);
  EXPECT_EQ(grid.Columns()[0]->Title(), "Item");
  EXPECT_EQ(grid.CellText(2, 1), "102");
}

TEST_F(GridSorting, ATitleClickSortsByItsColumnThenTheOtherWayAndKeepsTheCurrentRow) {
  grid.Sortable = true;
  std::vector<std::string> titles;
  grid.OnTitleClick = [&](TDBGrid&, TColumn& column) { titles.push_back(column.FieldName()); };
  cds.SetRecNo(2);  // PORCA
  grid.UserTitleClick(1);
  EXPECT_EQ(grid.SortColumn(), 1);
  EXPECT_FALSE(grid.SortDescending());
  EXPECT_EQ((std::vector<std::string>{Description(0), Description(1), Description(2)}),
            (std::vector<std::string>{"ARRUELA", "PARAFUSO", "PORCA"}));
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(F("DSITEM").AsString(), "PORCA");
  grid.UserTitleClick(1);
  EXPECT_TRUE(grid.SortDescending());
  EXPECT_EQ(Description(0), "PORCA");
  grid.UserTitleClick(1);  // a third click: ascending again
  EXPECT_FALSE(grid.SortDescending());
  grid.UserTitleClick(0);
  EXPECT_EQ(grid.SortColumn(), 0);
  EXPECT_EQ(titles, (std::vector<std::string>{"DSITEM", "DSITEM", "DSITEM", "CDITEM"}));
}

TEST_F(GridSorting, PendingCellTextIsPostedBeforeTheSortAndAPlainGridDoesNotSort) {
  grid.SetSelectedIndex(1);
  grid.UserTypeText("zinco");
  grid.UserTitleClick(1);  // not sortable: only the event
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  EXPECT_EQ(grid.SortColumn(), -1);
  grid.Sortable = true;
  grid.UserTitleClick(1);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(Description(2), "ZINCO");
  EXPECT_EQ(grid.Row(), 2);
}

TEST_F(GridEditing, TypedTextIsPendingUntilColumnExitThenWrittenThroughSetText) {
  grid.SetSelectedIndex(1);
  grid.UserTypeText("bucha");
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  EXPECT_EQ(grid.EditorText(), "bucha");
  EXPECT_EQ(F("DSITEM").AsString(), "PARAFUSO");
  grid.UserKey(GridKey::Tab);
  EXPECT_EQ(F("DSITEM").AsString(), "BUCHA");
  EXPECT_EQ(grid.SelectedIndex(), 2);
  EXPECT_EQ(grid.EditorText(), "S");
}

TEST_F(GridEditing, KeyPressAppendsAndBackspaceRemovesAWholeCharacter) {
  grid.SetSelectedIndex(1);
  grid.UserKeyPress(U'ç');
  EXPECT_EQ(grid.EditorText(), "PARAFUSOç");
  grid.UserKeyPress(U'\b');
  grid.UserKeyPress(U'\b');
  EXPECT_EQ(grid.EditorText(), "PARAFUS");
}

TEST_F(GridEditing, SwallowedKeyChangesNothing) {
  grid.SetSelectedIndex(1);
  grid.OnKeyPress = [](TDBGrid&, char32_t& key) {
    if (key >= U'0' && key <= U'9') key = 0;
  };
  grid.UserKeyPress(U'5');
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_FALSE(grid.EditorModified());
  EXPECT_EQ(grid.EditorText(), "PARAFUSO");
  grid.UserTypeText("a1b");
  EXPECT_EQ(grid.EditorText(), "ab");
}

TEST_F(GridEditing, AnUpperCaseMaskTurnsLettersAsTheyAreTyped) {
  grid.SetSelectedIndex(1);
  cds.FieldByName(grid.SelectedField()->FieldName()).SetEditMask(">LLLLLLLL;0; ");
  grid.UserKeyPress(U'p');
  grid.UserTypeText("pinoç");
  EXPECT_EQ(grid.EditorText(), "PINOÇ") << "before the text is written";
  grid.UserSetEditorText("ab");
  EXPECT_EQ(grid.EditorText(), "AB");
}

TEST_F(GridEditing, ReadOnlyGridColumnOrFieldRefusesTyping) {
  grid.SetSelectedIndex(1);
  grid.Columns()[1]->PickList = {"PINO"};
  auto refused = [&] {
    grid.UserKeyPress(U'x');
    grid.UserChoosePick(0);
    return cds.State() == DataSetState::Browse && !grid.EditorModified() && grid.EditorText() == "PARAFUSO";
  };
  grid.SetReadOnly(true);
  EXPECT_TRUE(refused()) << "read-only grid";
  grid.SetReadOnly(false);
  grid.Columns()[1]->ReadOnly = true;
  EXPECT_TRUE(refused()) << "read-only column";
  grid.Columns()[1]->ReadOnly = false;
  F("DSITEM").SetReadOnly(true);
  EXPECT_TRUE(refused()) << "read-only field";
  F("DSITEM").SetReadOnly(false);
  grid.UserChoosePick(0);
  EXPECT_EQ(grid.EditorText(), "PINO");
}

TEST_F(GridEditing, EscapeTakesBackTheCellTextThenCancelsTheRow) {
  grid.SetSelectedIndex(1);
  grid.UserTypeText("bucha");
  grid.UserKey(GridKey::Escape);
  EXPECT_EQ(cds.State(), DataSetState::Edit);
  EXPECT_FALSE(grid.EditorModified());
  EXPECT_EQ(grid.EditorText(), "PARAFUSO");
  grid.UserTypeText("porca");
  grid.UserKey(GridKey::Tab);  // written: the row is changed
  grid.UserKey(GridKey::Escape);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(F("DSITEM").AsString(), "PARAFUSO");
}

TEST_F(GridEditing, MovingToAnotherRowPostsTheModifiedRow) {
  grid.SetSelectedIndex(1);
  grid.UserTypeText("bucha");
  grid.UserSelectCell(2, 1);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(Description(0), "BUCHA");
  EXPECT_EQ(cds.ChangeCount(), 1);
  EXPECT_EQ(grid.EditorText(), "ARRUELA");
}

TEST_F(GridEditing, SelectingARowBelowATypedNewRowLandsOnThatRow) {
  grid.UserKey(GridKey::Insert);
  grid.UserTypeText("7");
  grid.UserSelectCell(2, 0);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(F("DSITEM").AsString(), "PORCA");
  EXPECT_EQ(grid.CellText(0, 0), "7");
}

TEST_F(GridEditing, LeavingTheGridWritesPendingTextAndAFailedWriteKeepsTheFocus) {
  grid.SetSelectedIndex(1);
  grid.UserTypeText("bucha");
  other.SetFocus();
  EXPECT_EQ(F("DSITEM").AsString(), "BUCHA");
  grid.SetFocus();
  F("DSITEM").OnSetText = [](TField&, const std::string&) { throw EConvertError("bad description"); };
  grid.UserTypeText("x");
  EXPECT_THROW(other.SetFocus(), EConvertError);
  EXPECT_EQ(form.ActiveControl(), &grid);
  EXPECT_TRUE(grid.EditorModified());
  EXPECT_EQ(grid.EditorText(), "x");
}

TEST_F(GridEditing, LeavingTheGridCancelsAnUntouchedNewRowOnly) {
  grid.UserKey(GridKey::Insert);
  other.SetFocus();
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(grid.RowCount(), 3);
  grid.SetFocus();
  grid.UserKey(GridKey::Insert);
  grid.UserTypeText("7");
  other.SetFocus();
  EXPECT_EQ(cds.State(), DataSetState::Insert);
  EXPECT_EQ(F("CDITEM").AsInteger(), 7);
}

TEST_F(GridKeys, InsertOpensANewRowAtTheCurrentRow) {
  grid.UserKey(GridKey::Down);
  grid.UserKey(GridKey::Insert);
  EXPECT_EQ(cds.State(), DataSetState::Insert);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(Description(2), "PORCA");
}

TEST_F(GridKeys, ReadOnlyGridNeitherInsertsAppendsNorDeletes) {
  grid.SetReadOnly(true);
  cds.Last();
  for (GridKey key : {GridKey::Down, GridKey::CtrlDelete, GridKey::Insert}) grid.UserKey(key);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  EXPECT_EQ(grid.RowCount(), 3);
}

TEST_F(GridKeys, DownOnTheLastRowAppendsButNotFromAnUntouchedNewRow) {
  int newRows = 0;
  cds.OnNewRecord = [&](TDataSet&) { ++newRows; };
  grid.UserKey(GridKey::Down);
  grid.UserKey(GridKey::Down);
  EXPECT_EQ(cds.State(), DataSetState::Browse);
  grid.UserKey(GridKey::Down);
  EXPECT_EQ(cds.State(), DataSetState::Insert);
  EXPECT_EQ(grid.Row(), 3);
  grid.UserKey(GridKey::Down);
  EXPECT_EQ(newRows, 1);
  grid.UserTypeText("9");
  grid.UserKey(GridKey::Down);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(newRows, 2);
  EXPECT_EQ(grid.CellText(3, 0), "9");
  grid.UserKey(GridKey::Up);
  EXPECT_EQ(grid.RowCount(), 4) << "Up leaves the untouched new row, which goes away";
}

TEST_F(GridKeys, CtrlDeleteDeletesOnlyAfterYes) {
  dialogs.answers = {mrNo, mrYes};
  grid.UserKey(GridKey::CtrlDelete);
  EXPECT_EQ(grid.RowCount(), 3);
  grid.UserKey(GridKey::CtrlDelete);
  EXPECT_EQ(Description(0), "PORCA");
  EXPECT_EQ(dialogs.asked, (std::vector<std::string>{"Excluir o registro?", "Excluir o registro?"}));
  grid.ConfirmDelete = false;
  grid.UserKey(GridKey::CtrlDelete);
  EXPECT_EQ(grid.RowCount(), 1);
}

TEST_F(GridKeys, TabSkipsHiddenColumnsAndWrapsBetweenRows) {
  grid.Columns()[1]->Visible = false;
  grid.UserKey(GridKey::Tab);
  EXPECT_EQ(grid.SelectedIndex(), 2);
  grid.UserKey(GridKey::Tab);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.SelectedIndex(), 0);
  grid.UserKey(GridKey::ShiftTab);
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.SelectedIndex(), 2);
  grid.UserKey(GridKey::Enter);
  EXPECT_EQ(grid.Row(), 0) << "Enter does not wrap";
  EXPECT_EQ(grid.SelectedIndex(), 2);
  grid.UserKey(GridKey::Home);
  EXPECT_EQ(grid.SelectedIndex(), 0);
}

TEST_F(GridKeys, TabFromTheLastCellAppends) {
  cds.Last();
  grid.UserKey(GridKey::End);
  grid.UserKey(GridKey::Tab);
  EXPECT_EQ(cds.State(), DataSetState::Insert);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(grid.SelectedIndex(), 0);
}

TEST_F(GridEvents, ColExitRunsOnLeavingAColumnButNotOnARowChange) {
  grid.UserKey(GridKey::Tab);
  EXPECT_EQ(colExits, 1);
  grid.UserSelectCell(-1, 0);
  EXPECT_EQ(colExits, 2);
  grid.UserSelectCell(2, 0);
  grid.UserKey(GridKey::Up);
  grid.SetSelectedIndex(1);
  EXPECT_EQ(colExits, 2);
  grid.UserKey(GridKey::End);
  grid.UserKey(GridKey::Tab);
  EXPECT_EQ(colExits, 4) << "also when Tab wraps to the next row";
}

TEST_F(GridEvents, EllipsisButtonRunsItsHandlerOnlyInAnEditableGrid) {
  int clicks = 0;
  grid.OnEditButtonClick = [&](TControl&) { ++clicks; };
  grid.Columns()[1]->Button = ButtonStyle::Ellipsis;
  EXPECT_TRUE(grid.UserEditButtonClick()) << "a cell without a button does nothing, yet refuses nothing";
  grid.SetSelectedIndex(1);
  EXPECT_TRUE(grid.UserEditButtonClick());
  EXPECT_EQ(clicks, 1);
  grid.SetReadOnly(true);
  EXPECT_FALSE(grid.UserEditButtonClick()) << "a read-only grid offers no picker";
  EXPECT_EQ(clicks, 1);
}

TEST_F(GridEvents, FieldFocusRequestSelectsItsColumnOnlyWhenTheGridCanTakeTheFocus) {
  auto& pages = form.Create<TPageControl>("pgcItem", &form);
  form.Create<TTabSheet>("tshDados", &pages);
  auto& gridPage = form.Create<TTabSheet>("tshLista", &pages);
  other.SetFocus();
  grid.SetParent(&gridPage);
  F("FLATIVO").FocusControl();
  EXPECT_EQ(form.ActiveControl(), &other);
  EXPECT_EQ(grid.SelectedIndex(), 0);
  pages.SetActivePage(gridPage);
  F("FLATIVO").FocusControl();
  EXPECT_EQ(form.ActiveControl(), &grid);
  EXPECT_EQ(grid.SelectedIndex(), 2);
}

// A value the program sets (a picker's copy) replaces what was typed into
// the cell, so that leaving the cell does not write the old text over it.
TEST_F(GridEvents, EditorFollowsFieldChangesAlsoOverTypedText) {
  grid.SetSelectedIndex(1);
  cds.Edit();
  F("DSITEM").SetAsString("PINO");
  EXPECT_EQ(grid.EditorText(), "PINO");
  grid.UserTypeText("bucha");
  F("DSITEM").SetAsString("TRAVA");
  EXPECT_EQ(grid.EditorText(), "TRAVA");
  EXPECT_FALSE(grid.EditorModified());
  grid.UserTypeText("bucha");
  F("CDITEM").Clear();
  EXPECT_EQ(grid.EditorText(), "bucha") << "another field's change leaves the typed text";
  cds.Cancel();
  EXPECT_FALSE(grid.EditorModified());
  EXPECT_EQ(grid.EditorText(), "PARAFUSO");
}

// The texts drawn, as "x,y:text", in drawing order.
std::vector<std::string> Texts(const TCanvas& canvas) {
  std::vector<std::string> texts;
  for (auto& op : canvas.Ops())
    if (op.kind == TDrawOp::TextRect)
      texts.push_back(std::to_string(op.x) + "," + std::to_string(op.y) + ":" + op.text);
  return texts;
}

TEST_F(GridDrawing, PaintFillsEachCellAndWritesItsRowsValue) {
  grid.Paint();
  const auto& ops = grid.Canvas.Ops();
  ASSERT_EQ(ops.size(), 18u);
  EXPECT_EQ(ops[8].rect, (TRect{70, 18, 210, 36}));
  EXPECT_EQ(ops[8].brushColor, clr::Window);
  EXPECT_EQ(ops[0].brushColor, clr::Highlight) << "the current cell";
  EXPECT_EQ(ops[2].brushColor, clr::CurrentRow) << "the rest of the current row";
  EXPECT_EQ(Texts(grid.Canvas)[4], "72,20:PORCA");
  grid.Columns()[1]->Visible = false;
  grid.Paint();
  EXPECT_EQ(Texts(grid.Canvas)[1], "72,2:S") << "a hidden column takes no room";
}

TEST_F(GridDrawing, DrawHandlerReadsTheFieldsOfTheRowBeingDrawn) {
  grid.OnDrawColumnCell = [&](TDBGrid& g, const TRect& rect, int, TColumn&, TGridDrawState) {
    if (cds.FieldByName("FLATIVO").AsString() != "N") return;
    g.Canvas.Brush.Color = clr::Grey;
    g.Canvas.FillRect(rect);
  };
  grid.Paint();
  std::vector<TRect> grey;
  for (auto& op : grid.Canvas.Ops())
    if (op.brushColor == clr::Grey) grey.push_back(op.rect);
  EXPECT_EQ(grey, (std::vector<TRect>{{0, 18, 70, 36}, {70, 18, 210, 36}, {210, 18, 217, 36}}));
}

TEST_F(GridDrawing, StateMarksTheCurrentRowAndTheFocusedCell) {
  std::vector<std::string> states;
  grid.OnDrawColumnCell = [&](TDBGrid&, const TRect&, int col, TColumn&, TGridDrawState state) {
    if (state.selected) states.push_back(std::to_string(col) + (state.focused ? "F" : ""));
  };
  grid.UserSelectCell(1, 1);
  grid.Paint();
  EXPECT_EQ(states, (std::vector<std::string>{"0", "1F", "2"}));
  states.clear();
  other.SetFocus();
  grid.Paint();
  EXPECT_EQ(states, (std::vector<std::string>{"0", "1", "2"}));
}

TEST_F(GridDrawing, ARowHoldingAChangeNotStoredIsMarkedUntilTheMerge) {
  std::vector<std::string> pending;
  grid.OnDrawColumnCell = [&](TDBGrid&, const TRect&, int col, TColumn&, TGridDrawState state) {
    if (state.pending && col == 0) pending.push_back(cds.FieldByName("CDITEM").AsString());
  };
  grid.UserKey(GridKey::Down);
  grid.SetSelectedIndex(1);
  grid.UserTypeText("BUCHA");
  grid.Paint();
  EXPECT_TRUE(pending.empty()) << "a row being typed is not a kept change yet";
  grid.UserKey(GridKey::Down);  // posts the edited row
  ASSERT_EQ(cds.ChangeCount(), 1);
  grid.Paint();
  EXPECT_EQ(pending, (std::vector<std::string>{"2"}));
  bool bold = false, hint = false;
  for (auto& op : grid.Canvas.Ops())
    if (op.rect.top == 18) bold |= op.bold, hint |= op.brushColor == clr::Info;
  EXPECT_TRUE(bold && hint) << "the default drawing marks it";

  int told = 0;
  struct Hears : TDataLink {
    int& told;
    explicit Hears(int& t) : told(t) {}
    void LogChanged() override { ++told; }
  } hears(told);
  hears.SetDataSource(grid.DataSource());
  cds.MergeChangeLog();
  EXPECT_EQ(told, 1) << "the controls hear that the mark went";
  pending.clear();
  grid.Paint();
  EXPECT_TRUE(pending.empty());
}

TEST_F(GridDrawing, NewRowIsDrawnWhereItWillBeInserted) {
  grid.UserKey(GridKey::Down);
  grid.UserKey(GridKey::Insert);
  grid.Paint(1, 2);
  EXPECT_EQ(Texts(grid.Canvas),
            (std::vector<std::string>{"2,2:", "72,2:", "212,2:", "2,20:2", "72,20:PORCA", "212,20:N"}));
}

TEST_F(GridDrawing, PaintDrawsOnlyTheRowsInViewOfALargeDataSet) {
  Fill(10000);
  grid.Paint(9990, 30);
  std::vector<std::string> texts = Texts(grid.Canvas);
  ASSERT_EQ(texts.size(), 30u);
  EXPECT_EQ(texts[0], "2,2:9991");
  EXPECT_EQ(texts[29], "212,164:S");
}

}  // namespace
}  // namespace plat::testing
