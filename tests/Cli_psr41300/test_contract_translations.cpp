// The coded fields of the product lines shown and entered through the
// catalogue's texts: exact comparisons, the same letter in two groups, and
// the catalogue read at every call.
#include <string>

#include "Cli_psr41300/unconnected_screen.h"

namespace screen_test {
namespace {

class CodedFields : public UnconnectedScreen {
 protected:
  CodedFields() {
    lines.AfterScroll = nullptr;  // no server to fetch the line's systems from
    lines.AfterInsert = nullptr;
    lines.CreateDataSet();
    lines.Append();
  }
  std::string Shown(const char* field) const { return lines.FieldByName(field).DisplayText(); }
  void Stored(const char* field, const char* code) { lines.FieldByName(field).SetAsString(code); }
  void Entered(const char* field, const std::string& text) { lines.FieldByName(field).SetText(text); }
  std::string Code(const char* field) const { return lines.FieldByName(field).AsString(); }
  std::string Catalogue(const char* code) const { return screen.msgPadrao->Msg(code); }

  plat::TClientDataSet& lines = *screen.cdsDadosContLinhaProd;
};

TEST_F(CodedFields, TheSameLetterReadsByItsGroupAndOnlyInItsCase) {
  Stored("IDTIPLINPP", "M");
  Stored("IDMPROCLINPP", "M");
  Stored("IDTPPGTLINPP", "F");
  Stored("IDLPROCLINPP", "F");
  EXPECT_EQ(Shown("IDTIPLINPP"), Catalogue("MANUT"));
  EXPECT_EQ(Shown("IDMPROCLINPP"), Catalogue("Matriz"));
  EXPECT_EQ(Shown("IDTPPGTLINPP"), Catalogue("PGFIXO"));
  EXPECT_EQ(Shown("IDLPROCLINPP"), Catalogue("Filial"));
  EXPECT_NE(Shown("IDTIPLINPP"), Shown("IDMPROCLINPP"));

  Stored("IDTIPLINPP", "m");
  Stored("IDAMBLINPP", "WE ");
  EXPECT_EQ(Shown("IDTIPLINPP"), "");
  EXPECT_EQ(Shown("IDAMBLINPP"), "");
  lines.FieldByName("IDMPROCLINPP").Clear();
  EXPECT_EQ(Shown("IDMPROCLINPP"), "");
}

TEST_F(CodedFields, AnEntryStoresTheCodeOfAnExactTextAndNothingElse) {
  Stored("IDTIPLINPP", "M");
  Entered("IDTIPLINPP", Catalogue("LOCA"));
  EXPECT_EQ(Code("IDTIPLINPP"), "L");
  for (const char* near : {"locação", "Locacao", "Locação ", ""}) {
    Entered("IDTIPLINPP", near);
    EXPECT_EQ(Code("IDTIPLINPP"), "L") << near;
  }
  Entered("IDAMBLINPP", Catalogue("DOS"));
  EXPECT_EQ(Code("IDAMBLINPP"), "DOS");
}

// The words come from the catalogue when the handler runs, not from a copy.
TEST_F(CodedFields, TheCatalogueIsReadAtEveryCall) {
  Stored("IDTPPGTLINPP", "A");
  std::vector<std::string> entries = screen.msgPadrao->Messages();
  for (std::string& entry : entries)
    if (entry.rfind("PGPROPOR|", 0) == 0) entry = "PGPROPOR|Proporcional";
  screen.msgPadrao->SetMessages(entries);
  EXPECT_EQ(Shown("IDTPPGTLINPP"), "Proporcional");
  Stored("IDTPPGTLINPP", "F");
  Entered("IDTPPGTLINPP", "Proporcional");
  EXPECT_EQ(Code("IDTPPGTLINPP"), "A");
}

// The ordered lines' mode and place show their word but store what is typed.
TEST_F(CodedFields, OrderedModeAndPlaceStoreWhatIsTyped) {
  plat::TClientDataSet& ordered = *screen.cdsPedidosLinhaProd;
  ordered.AfterScroll = nullptr;
  ordered.CreateDataSet();
  ordered.Append();
  ordered.FieldByName("MODO_PROCESSAMENTO").SetText("M");
  EXPECT_EQ(ordered.FieldByName("MODO_PROCESSAMENTO").AsString(), "M");
  EXPECT_EQ(ordered.FieldByName("MODO_PROCESSAMENTO").DisplayText(), screen.msgPadrao->Msg("Matriz"));
  ordered.FieldByName("LOCAL_PROCESSAMENTO").SetText("x");
  EXPECT_EQ(ordered.FieldByName("LOCAL_PROCESSAMENTO").AsString(), "x");
  EXPECT_EQ(ordered.FieldByName("LOCAL_PROCESSAMENTO").DisplayText(), "");
}

}  // namespace
}  // namespace screen_test
