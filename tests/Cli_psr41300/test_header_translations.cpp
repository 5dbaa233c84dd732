// How registration numbers are shown, in the proposal and in the search
// lists: in the mask of the person type that goes with them, and without
// mask punctuation when there is no number yet.
#include <string>

#include "Cli_psr41300/unconnected_screen.h"
#include "host/dtmdbgeral.h"

namespace screen_test {
namespace {

class HeaderTranslations : public UnconnectedScreen {
 protected:
  HeaderTranslations() : proposals(*screen.cdsProposta) {
    for (auto* event : {&proposals.BeforeInsert, &proposals.AfterInsert, &proposals.BeforePost, &proposals.AfterPost,
                        &proposals.AfterScroll})
      *event = nullptr;
    proposals.CreateDataSet();
    proposals.Append();
  }
  void Set(const char* field, const char* value) { proposals.FieldByName(field).SetAsString(value); }
  std::string Shown(const char* field) { return proposals.FieldByName(field).DisplayText(); }

  plat::TClientDataSet& proposals;
};

TEST_F(HeaderTranslations, RegistrationNumberUsesThePersonTypeOfTheChosenKind) {
  Set("NRINSJURCLIE", "12345678901");
  Set("IDTPIJURCLIE", "J");
  Set("IDTPIJURPROS", "F");
  screen.dbrClieProsp->SetItemIndex(0);
  EXPECT_EQ(Shown("NRINSJURCLIE"), "12.345.678/901 -  ");
  screen.dbrClieProsp->SetItemIndex(1);
  EXPECT_EQ(Shown("NRINSJURCLIE"), "123.456.789-01");
  // No kind chosen counts as a prospect.
  screen.dbrClieProsp->SetItemIndex(-1);
  EXPECT_EQ(Shown("NRINSJURCLIE"), "123.456.789-01");
}

TEST_F(HeaderTranslations, ANumberNotInformedShowsNoMask) {
  Set("IDTPIJURCLIE", "J");
  screen.dbrClieProsp->SetItemIndex(0);
  EXPECT_EQ(Shown("NRINSJURCLIE"), "");
  EXPECT_EQ(Shown("CODIGO"), "");
  EXPECT_EQ(screen.dbeCdClienteProsp->Text(), "");
}

// The search lists show each row's number in that row's person type.
TEST_F(HeaderTranslations, SearchListsMaskEachRowByItsOwnPersonType) {
  auto& database = host::dtmDBGeral();
  if (!database.Connected()) database.Open(":memory:");
  database.Execute(
      "CREATE TEMP TABLE CLIENTE (CDCLIENTE VARCHAR(21), NRINSJURCLIE VARCHAR(20), NMFANTCLIE VARCHAR(50), "
      "IDTPIJURCLIE VARCHAR(1));"
      "INSERT INTO CLIENTE VALUES ('C1', '12345678000195', 'Beta', 'J'), ('C2', '12345678901', 'Ana', 'F'),"
      " ('C3', '', 'Sem número', 'J');"
      "CREATE TEMP TABLE PROSPECT (CDPROSPECT VARCHAR(21), NRINSJURPROS VARCHAR(20), NMFANTPROS VARCHAR(50), "
      "IDTPIJURPROS VARCHAR(1), NMRAZSOCPROS VARCHAR(50));"
      "INSERT INTO PROSPECT VALUES ('P1', '98765432100', 'Paulo', 'F', 'Paulo');");
  plat::TADOIBQuery& customers = *screen.qryCliente;
  customers.ParamByName("P_NRINSJURCLIE").SetAsString("");
  customers.ParamByName("P_TNRINSJURCLIE").SetAsString("T");
  customers.Open();
  std::vector<std::string> shown;
  for (int row = 0; row < customers.ViewRowCount(); ++row)
    customers.ReadViewRow(row, [&] { shown.push_back(customers.FieldByName("NRINSJURCLIE").DisplayText()); });
  EXPECT_EQ(shown, (std::vector<std::string>{"12.345.678/0001-95", "123.456.789-01", ""}));

  plat::TADOIBQuery& prospects = *screen.qryProspect;
  prospects.ParamByName("P_NRINSJURPROS").SetAsString("");
  prospects.ParamByName("P_TNRINSJURPROS").SetAsString("T");
  prospects.Open();
  EXPECT_EQ(prospects.FieldByName("NRINSJURPROS").DisplayText(), "987.654.321-00");
  customers.Close();
  prospects.Close();
  database.Execute("DROP TABLE temp.CLIENTE; DROP TABLE temp.PROSPECT;");
}

}  // namespace
}  // namespace screen_test
