// Every grid of the screen sits on its data source and page with its columns
// in order: width where one is set, hidden, read-only, ellipsis and pick lists.
#include <string>
#include <vector>

#include "Cli_psr41300/unconnected_screen.h"

namespace screen_test {
namespace {

struct ExpectedColumn {
  std::string field;
  int width;          // 0: the field's own width
  std::string flags;  // "hidden", "read-only", "ellipsis", "pick:A,B" in that order
};

struct ExpectedGrid {
  std::string grid, source, page;
  bool readOnly;
  std::vector<ExpectedColumn> columns;
};

std::string Flags(const plat::TColumn& column) {
  std::vector<std::string> parts;
  if (!column.Visible) parts.push_back("hidden");
  if (column.ReadOnly) parts.push_back("read-only");
  if (column.Button == plat::ButtonStyle::Ellipsis) parts.push_back("ellipsis");
  if (!column.PickList.empty()) {
    std::string pick = "pick:";
    for (const auto& entry : column.PickList) pick += (pick.size() > 5 ? "," : "") + entry;
    parts.push_back(pick);
  }
  std::string text;
  for (const auto& part : parts) text += (text.empty() ? "" : " ") + part;
  return text;
}

const std::vector<ExpectedGrid> kExpectedGrids = {
    {"dbgPadrao",
     "dtsPadrao",
     "tshFolhaDados",
     true,
     {{"NRPROPOSFAS", 170, ""},
      {"NRVERPROPFAS", 0, ""},
      {"NOME", 235, ""},
      {"DTPROPOSFAS", 93, ""},
      {"DTACEPROPFAS", 99, ""},
      {"DTVALPROPFAS", 76, ""},
      {"NMOPERADOR", 186, ""},
      {"CDFILIAL", 0, "hidden"},
      {"CDCLIENTE", 0, "hidden"},
      {"CODIGO", 0, "hidden"},
      {"DSEMAIPROFAS", 216, ""},
      {"NRFAXPROPFAS", 97, ""},
      {"DSOBSPROPFAS", 258, ""},
      {"IDSOLPROPFAS", 0, ""}}},
    {"dbgDadosContLinhaProd",
     "dtsDadosContLinhaProd",
     "tshDadosContLinhaProd",
     false,
     {{"CDLINPPROP", 73, ""},
      {"NMLINPPROP", 159, ""},
      {"NMPROCOMERCI", 79, "ellipsis"},
      {"IDAMBLINPP", 58, "pick:WEB,WIN,DOS"},
      {"NRUSUALINPP", 62, ""},
      {"NRACESLINPP", 60, ""},
      {"IDTIPLINPP", 0, "pick:Manutenção,Locação"},
      {"IDTPPGTLINPP", 81, "pick:Pg. Fixo,Pg. Proporcional"},
      {"QTLINPPROP", 65, ""},
      {"VRLUSOPROP", 60, ""},
      {"VRMENSPROP", 81, ""},
      {"NRPROPOSFAS", 0, "hidden"},
      {"NRVERPROPFAS", 0, "hidden"},
      {"CDPROCOMERCI", 0, "hidden"},
      {"DIFAMENLINPP", 44, ""},
      {"IDMPROCLINPP", 41, "pick:Filial,Matriz"},
      {"IDLPROCLINPP", 42, "pick:Filial,Matriz"}}},
    {"dbgDadosContSistema", "dtsSistLinhaProd", "tshDadosContLinhaProd", false, {{"NMSISTEMA", 0, "ellipsis"}}},
    {"dbgDadosContServico",
     "dtsDadosContServico",
     "tshDadosContServicos",
     false,
     {{"NMTIPOSERV", 216, "ellipsis"},
      {"VRHORAPROP", 0, ""},
      {"NRPROPOSFAS", 0, "hidden"},
      {"NRVERPROPFAS", 0, "hidden"},
      {"CDTIPOSERV", 0, "hidden"}}},
    {"dbgPedidosLinhaProd",
     "dtsPedidosLinhaProd",
     "tshPedidosLinhaProd",
     false,
     {{"CDLIN", 72, "ellipsis"},
      {"NMLIN", 141, "read-only"},
      {"PLATAFORMA", 0, "read-only"},
      {"TP_LINHAPROD", 0, "read-only"},
      {"TP_PAG", 83, "read-only"},
      {"NR_USUARIO", 63, "read-only"},
      {"NR_ACESSO", 60, "read-only"},
      {"QUANTIDADE", 0, "hidden"},
      {"QTLINPPEDP", 66, ""},
      {"VRLUSOPEDP", 0, "hidden read-only"},
      {"VALOR_LU", 60, "read-only"},
      {"VRMENSPEDP", 0, "hidden"},
      {"VALOR_MENSAL", 82, "read-only"},
      {"DIFAMENSPEDP", 0, "hidden"},
      {"DIA_FATURAMENTO", 43, ""},
      {"DTCALUSOPEDP", 67, ""},
      {"MODO_PROCESSAMENTO", 35, ""},
      {"LOCAL_PROCESSAMENTO", 35, ""}}},
    {"dbgPediLinhaProdSist",
     "dtsPedidosSist",
     "tshPedidosLinhaProd",
     true,
     {{"SISTEMA", 0, ""}, {"IDENTIFICADOR", 0, "hidden"}}},
    {"dbgVenc_Valor",
     "dtsVenc_Valor",
     "tshPedidosLinhaProd",
     false,
     {{"DTVELUSOPEDP", 126, ""}, {"VRVELUSOPEDP", 0, ""}}},
    {"dbgPedidosServico",
     "dtsPedidosServico",
     "tshPedidosServico",
     false,
     {{"NMTIPOSERV", 0, "ellipsis"}, {"QTSERVPEDP", 0, ""}, {"VRHORAPEDP", 0, ""}}},
    {"dbgMensagem", "dtsMensagem", "tshMensagem", false, {{"CDTXTPROPFAS", 0, "ellipsis"}, {"NRORDEMMSG", 0, ""}}},
};

class Grids : public UnconnectedScreen {};

TEST_F(Grids, EachGridShowsItsDataSourceOnItsPage) {
  for (const ExpectedGrid& expected : kExpectedGrids) {
    auto& grid = screen.Get<plat::TDBGrid>(expected.grid);
    EXPECT_EQ(grid.DataSource(), &screen.Get<plat::TDataSource>(expected.source)) << expected.grid;
    EXPECT_TRUE(grid.HasAncestor(screen.Get<plat::TTabSheet>(expected.page))) << expected.grid;
    EXPECT_EQ(grid.ReadOnly(), expected.readOnly) << expected.grid;
  }
}

TEST_F(Grids, ColumnsFollowInOrderWithTheirWidthsAndFlags) {
  for (const ExpectedGrid& expected : kExpectedGrids) {
    auto columns = screen.Get<plat::TDBGrid>(expected.grid).Columns();
    ASSERT_EQ(columns.size(), expected.columns.size()) << expected.grid;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const ExpectedColumn& column = expected.columns[i];
      SCOPED_TRACE(expected.grid + "." + column.field);
      EXPECT_EQ(columns[i]->FieldName(), column.field);
      if (column.width) {
        EXPECT_EQ(columns[i]->Width(), column.width);
      }
      EXPECT_EQ(Flags(*columns[i]), column.flags);
    }
  }
}

TEST_F(Grids, ColumnTitlesAreTheFieldLabels) {
  auto columns = screen.dbgDadosContLinhaProd->Columns();
  EXPECT_EQ(columns[0]->Title(), "Código");
  EXPECT_EQ(columns[4]->Title(), "N° Usuários");
  EXPECT_EQ(screen.dbgPadrao->Columns()[1]->Title(), "Nº Versão da Proposta");
}

TEST_F(Grids, DetailGridsAreInTheInputColourAndConfirmDeletes) {
  for (const ExpectedGrid& expected : kExpectedGrids) {
    if (expected.grid == "dbgPadrao" || expected.readOnly) continue;
    auto& grid = screen.Get<plat::TDBGrid>(expected.grid);
    EXPECT_EQ(grid.ColorRole, "input") << expected.grid;
    EXPECT_TRUE(grid.ConfirmDelete) << expected.grid;
  }
}

}  // namespace
}  // namespace screen_test
