// The duplicate and existence checks: an answer holds rows exactly when the
// value is in use (for Valida_Contato: when the contact exists).
#include <gtest/gtest.h>

#include "server_fixture.h"

namespace {

class Validations : public apptest::ServerFixture {};

struct CheckCase {
  const char* method;
  std::vector<const char*> inUse;
  std::vector<const char*> free;
};

// The demo data is the reference: 1001/1 has contract lines 10 and 11 (line
// 10 with systems FIN, EST, FAT), services IMP and TRE, ordered line 10 and
// held line 900, ordered services IMP and TRE, texts GARANTIA and PAGAMENTO.
const CheckCase kChecks[] = {
    {"ValidaProposta", {"0001", "1001", "2"}, {"0001", "1001", "3"}},
    {"ValidaProposta", {"0002", "1001", "1"}, {"0002", "1008", "1"}},  // keys are unique across branches
    {"Valida_Contrato", {"900", "11222333000181"}, {"900", "77888999000181"}},
    {"ValidaLinhaProd_DadosCont", {"1001", "1", "11"}, {"1001", "2", "11"}},
    {"ValidaLinhaProd_Pedidos", {"1001", "1", "900"}, {"1001", "1", "11"}},
    {"ValidaSistema", {"1001", "EST", "10"}, {"1001", "CTB", "10"}},
    {"ValidaServico", {"1001", "IMP"}, {"1001", "SUP"}},
    {"ValidaServPed", {"1001", "TRE"}, {"1001", "SUP"}},
    {"ValidaMsg", {"1001", "GARANTIA"}, {"1001", "VALIDADE"}},
    {"Valida_Contato",
     {"0001", "C", "11222333000181", "", "0000000002"},
     {"0001", "C", "11222333000181", "", "0000000003"}},
    {"Valida_Contato",
     {"0001", "P", "", "44555666000181", "0000000006"},
     {"0001", "C", "44555666000181", "", "0000000006"}},
};

std::string Describe(const CheckCase& c, const std::vector<const char*>& args) {
  std::string text = c.method;
  for (const char* arg : args) text += std::string(" '") + arg + "'";
  return text;
}

TEST_F(Validations, AnswerRowsExactlyWhenTheValueIsInUse) {
  // The checks that name only a proposal number mean the version in work.
  Fetch("GetDadosContLinhaProd", {"1001", "1"});
  for (const auto& c : kChecks) {
    EXPECT_FALSE(Fetch(c.method, {c.inUse.begin(), c.inUse.end()}).rows.empty()) << Describe(c, c.inUse);
    EXPECT_TRUE(Fetch(c.method, {c.free.begin(), c.free.end()}).rows.empty()) << Describe(c, c.free);
  }
}

TEST_F(Validations, ChecksByProposalNumberFollowTheVersionInWork) {
  Fetch("GetDadosContLinhaProd", {"1001", "1"});
  EXPECT_FALSE(Fetch("ValidaServico", {"1001", "TRE"}).rows.empty());
  Fetch("GetDadosContLinhaProd", {"1001", "2"});  // version 2 offers IMP only
  EXPECT_TRUE(Fetch("ValidaServico", {"1001", "TRE"}).rows.empty());
  EXPECT_FALSE(Fetch("ValidaServico", {"1001", "IMP"}).rows.empty());
}

TEST_F(Validations, ChecksByProposalNumberUseTheHighestVersionOfAnotherProposal) {
  Fetch("GetDadosContLinhaProd", {"1003", "1"});
  // 1001 is not the proposal in work: its highest version (2) has no TRE.
  EXPECT_TRUE(Fetch("ValidaServico", {"1001", "TRE"}).rows.empty());
  EXPECT_FALSE(Fetch("ValidaServico", {"1003", "TRE"}).rows.empty());
}

TEST_F(Validations, AnEmptyProposalNumberIsNeverInUse) {
  EXPECT_TRUE(Fetch("ValidaServico", {"", "IMP"}).rows.empty());
  EXPECT_TRUE(Fetch("ValidaSistema", {"", "", ""}).rows.empty());
}

}  // namespace
