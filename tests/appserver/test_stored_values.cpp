// What the server acknowledges is what it stores, on the back end of the
// run: each kind of value written into an ordered line through its Set and
// read back through its list comes back identical, or is refused before
// anything is written, with the field named; calls are checked the same way.
#include <gtest/gtest.h>

#include <limits>

#include "appserver/field_value.h"
#include "server_fixture.h"

using apptest::DeltaBuilder;
using apptest::Mentions;
using plat::DateTime;
using plat::Decimal;
using plat::Variant;

namespace {

class StoredValues : public apptest::ServerFixture {
 protected:
  plat::DataPacket OrderLines() { return Fetch("GetPedidosLinhaProd", {"1001", "1"}); }
};

struct ValueCase {
  const char* field;
  Variant value;
  const char* refusal;  // "" when the value must read back as written
};

// How a value reads back, in a form that shows every digit.
std::string Exact(const Variant& value) {
  switch (value.Type()) {
    case plat::VarType::DateTime:
      return value.ToDateTime().ToIso();
    case plat::VarType::Decimal:
      return value.ToDecimal().ToString();
    default:
      return value.ToText();
  }
}

TEST_F(StoredValues, AnAcknowledgedValueReadsBackIdenticalOrIsRefusedNamingItsField) {
  const ValueCase cases[] = {
      {"DTCALUSOPEDP", DateTime::ParseIso("2025-06-30T23:59:59.500"), ""},
      {"DTCALUSOPEDP", DateTime::ParseIso("9999-12-31T23:59:59.999"), ""},
      {"DTCALUSOPEDP", DateTime::ParseIso("0001-01-01T00:00:00"), ""},
      {"VALOR_LU", Decimal::Parse("1234567890.12345678"), ""},
      {"VALOR_LU", Decimal::Parse("-999999999999.9999"), ""},
      {"VALOR_LU", Decimal::Parse("1000000000000.5"), "Vr. Unit. LU"},
      {"QTLINPPEDP", 0.1, ""},
      {"QTLINPPEDP", 1e308, "Qt. Licenças"},
      {"CDLIN", "Ação-ÿ", ""},
      {"CDLIN", Variant(std::string("K\0X", 3)), "Código"},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " = " + Exact(c.value));
    auto lines = OrderLines();
    const std::string before = Exact(apptest::At(lines, 0, c.field));
    auto result = Call("SetPedidosLinhaProd", {DeltaBuilder(lines).Modify(lines.rows[0], {{c.field, c.value}})});
    const std::string after = Exact(apptest::At(OrderLines(), 0, c.field));
    if (*c.refusal) {
      ASSERT_TRUE(result.Failed());
      EXPECT_TRUE(Mentions(result.error, c.refusal));
      EXPECT_TRUE(Mentions(result.error, "Nenhuma alteração foi gravada"));
      EXPECT_EQ(after, before);
    } else {
      ASSERT_FALSE(result.Failed()) << result.error;
      EXPECT_EQ(after, Exact(c.value));
    }
  }
  // The list still reads after every refusal, and its totals add up.
  EXPECT_EQ(apptest::At(OrderLines(), 0, "VALORTOTALLU").ToDouble(), 0.1 * -999999999999.9999);
}

TEST_F(StoredValues, AValueReadBackIsTheValueTheNextChangeIsCheckedAgainst) {
  auto lines = OrderLines();
  const Variant late = DateTime::ParseIso("2025-06-30T23:59:59.500");
  ASSERT_FALSE(
      Call("SetPedidosLinhaProd", {DeltaBuilder(lines).Modify(lines.rows[0], {{"DTCALUSOPEDP", late}})}).Failed());
  auto read = OrderLines();
  auto next = Call("SetPedidosLinhaProd", {DeltaBuilder(read).Modify(read.rows[0], {{"QTLINPPEDP", 16.0}})});
  EXPECT_FALSE(next.Failed()) << next.error;
}

TEST_F(StoredValues, UnknownFieldsDayCountsAndNumbersTheNumberingWouldNotHandOutAreRefused) {
  auto lines = OrderLines();
  auto fields = lines.fields;
  fields.push_back({"CDLINX", plat::FieldType::String, 20});
  DeltaBuilder misspelt(fields);
  plat::Row row = lines.rows[0];
  row.push_back(Variant("10"));
  EXPECT_TRUE(
      Mentions(Call("SetPedidosLinhaProd", {misspelt.Modify(row, {{"CDLINX", "11"}})}).error, "traz o campo CDLINX"));
  // A date sent as a count of days, as a client may declare it.
  auto asDays = lines.fields;
  for (auto& field : asDays)
    if (field.name == "DTCALUSOPEDP") field.type = plat::FieldType::Float;
  plat::Row days = lines.rows[0];
  for (std::size_t i = 0; i < asDays.size(); ++i)
    if (asDays[i].name == "DTCALUSOPEDP") days[i] = Variant(days[i].ToDouble());
  auto farOff = Call("SetPedidosLinhaProd", {DeltaBuilder(asDays).Modify(days, {{"DTCALUSOPEDP", 1e300}})}).error;
  EXPECT_TRUE(Mentions(farOff, "Dt. Carência"));
  EXPECT_TRUE(Mentions(farOff, "1e+300 dias não correspondem a uma data entre 01/01/0001 e 31/12/9999"));
  for (const char* number : {"abc", "-5", "0", "1000"}) {
    auto services = Fetch("GetPedidosServico", {"1001", "1"});
    EXPECT_TRUE(Mentions(
        Call("SetPedidosServico",
             {DeltaBuilder(services).Insert(
                 {{"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"}, {"NRSERVPEDP", number}, {"CDTIPOSERV", "SUP"}})})
            .error,
        "deve ser um número de 1 a 999"))
        << number;
  }
}

TEST_F(StoredValues, CallArgumentsAreCheckedAsDeltaValuesAre) {
  auto quantity = [&](Variant value) {
    return Call("GetUpDateValor", {value, Variant("1001"), Variant("1"), Variant("10"), Variant("10")});
  };
  EXPECT_TRUE(Mentions(quantity(Variant()).error, "deve ser um número; recebeu nenhum valor"));
  EXPECT_TRUE(Mentions(quantity(Variant(1e308)).error, "fora do intervalo"));
  // One the wire cannot carry fails in the client, which keeps its connection.
  EXPECT_TRUE(Mentions(quantity(Variant(std::numeric_limits<double>::infinity())).error, "não pôde ser enviada"));
  EXPECT_FALSE(quantity(Variant(20.0)).Failed());
  EXPECT_EQ(apptest::At(OrderLines(), 0, "QTLINPPEDP").ToDouble(), 20.0);
  EXPECT_TRUE(Mentions(Call("GetProposta", {Variant(std::string("0001\0x", 6)), Variant("ADMIN")}).error, "NUL"));
}

// A value stored before these checks (here by hand) that a list cannot
// read fails that list with the field and the record named, and no other.
TEST_F(StoredValues, AListMeetingAnUnreadableStoredValueNamesTheFieldAndTheRecord) {
  Sql("UPDATE PROPOSTALINP SET QTLINPPROP = 1e20, VRLUSOPROP = 1e20 WHERE NRPROPOSFAS = '1001' AND CDLINPPROP = '10'");
  auto lines = Call("GetDadosContLinhaProd", {"1001", "1"});
  ASSERT_TRUE(lines.Failed());
  EXPECT_TRUE(Mentions(lines.error, "Valor ilegível no campo VALORTOTALLU do registro 1001/1/10"));
  EXPECT_TRUE(Mentions(lines.error, "'1e+40' está fora do intervalo dos números"));
  EXPECT_FALSE(Call("GetDadosContServico", {"1001", "1"}).Failed());
}

// The largest values every kind accepts, in every detail of one proposal:
// every list of the proposal still reads, totals and sums included.
TEST_F(StoredValues, BoundaryValuesInEveryDetailLeaveEveryListOfTheProposalReadable) {
  const double most = appsrv::kLargestNumber;
  const Variant lastMoment = DateTime::ParseIso("9999-12-31T23:59:59.999");
  auto apply = [&](const char* method, const DeltaBuilder& delta) {
    auto result = Call(method, {delta});
    EXPECT_FALSE(result.Failed()) << method << ": " << result.error;
  };
  auto proposals = Fetch("GetProposta", {"0001", "ADMIN"});
  apply("SetProposta",
        DeltaBuilder(proposals).Modify(
            proposals.rows[1], {{"DTVALPROPFAS", lastMoment}, {"DTPROPOSFAS", DateTime::ParseIso("0001-01-01")}}));
  auto lines = Fetch("GetDadosContLinhaProd", {"1001", "1"});
  for (const auto& row : lines.rows)
    apply("SetDadosContLinhaProd",
          DeltaBuilder(lines).Modify(row, {{"QTLINPPROP", most}, {"VRLUSOPROP", most}, {"VRMENSPROP", -most}}));
  auto services = Fetch("GetDadosContServico", {"1001", "1"});
  apply("SetDadosContServico", DeltaBuilder(services).Modify(services.rows[0], {{"VRHORAPROP", most}}));
  auto ordered = OrderLines();
  for (const auto& row : ordered.rows)
    apply("SetPedidosLinhaProd", DeltaBuilder(ordered).Modify(row, {{"QTLINPPEDP", most},
                                                                    {"VALOR_LU", Decimal::Parse("999999999999.9999")},
                                                                    {"VALOR_MENSAL", Decimal::Parse("-1000000000000")},
                                                                    {"DTCALUSOPEDP", lastMoment}}));
  auto dues = Fetch("GetVenc_Valor", {"1001", "1", "10", ""});
  DeltaBuilder moreDues(dues);
  for (const char* when : {"0001-01-01", "9999-12-31T23:59:59.999"})
    moreDues.Insert({{"NRPROPOSFAS", "1001"},
                     {"NRVERPROPFAS", "1"},
                     {"NRLINPPEDP", "1"},
                     {"DTVELUSOPEDP", DateTime::ParseIso(when)},
                     {"VRVELUSOPEDP", most}});
  apply("SetVenc_Valor", moreDues);
  auto orderServices = Fetch("GetPedidosServico", {"1001", "1"});
  apply("SetPedidosServico", DeltaBuilder(orderServices)
                                 .Insert({{"NRPROPOSFAS", "1001"},
                                          {"NRVERPROPFAS", "1"},
                                          {"NRSERVPEDP", "999"},
                                          {"CDTIPOSERV", "SUP"},
                                          {"QTSERVPEDP", most},
                                          {"VRHORAPEDP", most}}));

  EXPECT_EQ(apptest::At(Fetch("GetProposta", {"0001", "ADMIN"}), 1, "DTVALPROPFAS").ToDateTime().ToIso(),
            "9999-12-31T23:59:59.999");
  EXPECT_GT(apptest::At(Fetch("GetDadosContLinhaProd", {"1001", "1"}), 0, "VALORTOTALLU").ToDouble(), 1e24);
  Fetch("GetSistLinhaProd", {"1001", "1", "10"});
  Fetch("GetDadosContServico", {"1001", "1"});
  EXPECT_EQ(apptest::At(OrderLines(), 0, "VALORTOTALMENSAL").ToDouble(), -1e24);  // a line's own total
  EXPECT_EQ(Fetch("GetVenc_Valor", {"1001", "1", "10", ""}).rows.size(), dues.rows.size() + 2);
  EXPECT_EQ(Fetch("GetPedidosServico", {"1001", "1"}).rows.size(), orderServices.rows.size() + 1);
  EXPECT_GT(apptest::At(Fetch("Sum_ValorPedido", {"1001"}), 0, "VALOR").ToDouble(), 2e12);
}

}  // namespace
