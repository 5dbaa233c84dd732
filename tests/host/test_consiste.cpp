// The host's checks: the result check, the error message with silent abort,
// blanks, registration-number masks and code padding.
#include <gtest/gtest.h>

#include "host/consiste.h"
#include "host/scripted_dialogs.h"
#include "platform/data/errors.h"
#include "platform/data/format.h"

using namespace host;

namespace {

class ConsisteTest : public ::testing::Test {
 protected:
  ConsisteTest() { plat::Dialogs::Install(&dialogs); }
  ~ConsisteTest() override { plat::Dialogs::Install(nullptr); }
  ScriptedDialogs dialogs;
};

TEST_F(ConsisteTest, CheckResultServReturnsThePacketOfASuccessfulCall) {
  plat::DataPacket packet{{{"CODIGO", plat::FieldType::String, 3}}, {{plat::Variant("001")}}};
  EXPECT_EQ(Consiste::CheckResultServ(ServerResult::OfPacket(packet), true, 0), packet);
  EXPECT_TRUE(dialogs.Transcript().empty());
}

TEST_F(ConsisteTest, CheckResultServShowsTheFailureOnceAndAbortsSilently) {
  EXPECT_THROW(Consiste::CheckResultServ(ServerResult::OfFailure("Conexão recusada"), true, 0), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Conexão recusada"});
}

TEST_F(ConsisteTest, CheckResultServRefusesAnAnswerThatIsNotAPacket) {
  EXPECT_THROW(Consiste::CheckResultServ(ServerResult::OfValue(plat::Variant("42")), true, 0), plat::EAbort);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
}

TEST_F(ConsisteTest, MensErroShowsTheTextThenAbortsSilently) {
  EXPECT_THROW(Consiste::MensErro("Proposta deve ser informada.", true), plat::EAbort);
  ASSERT_EQ(dialogs.Transcript().size(), 1u);
  EXPECT_EQ(dialogs.Transcript()[0].text, "Proposta deve ser informada.");
  EXPECT_EQ(dialogs.Transcript()[0].type, plat::DialogType::Error);
}

TEST(Consiste, EmptyStringCountsBlanksAsEmpty) {
  EXPECT_TRUE(Consiste::EmptyString(""));
  EXPECT_TRUE(Consiste::EmptyString("   "));
  EXPECT_FALSE(Consiste::EmptyString(" 08/12/2026"));
}

TEST(Consiste, PictPessMasksIndividualAndCompanyNumbers) {
  EXPECT_EQ(plat::FormatMaskText(Consiste::PictPess("F"), "12345678901"), "123.456.789-01");
  EXPECT_EQ(plat::FormatMaskText(Consiste::PictPess("J"), "12345678000195"), "12.345.678/0001-95");
  EXPECT_EQ(plat::FormatMaskText(Consiste::PictPess("X"), "ABC123"), "ABC123");
}

TEST(Consiste, AjustaPadsOnTheLeftWithZerosAndNeverCuts) {
  EXPECT_EQ(Consiste::Ajusta("12", 12), "000000000012");
  EXPECT_EQ(Consiste::Ajusta(" 7 ", 10), "0000000007");
  EXPECT_EQ(Consiste::Ajusta("", 10), "");
  EXPECT_EQ(Consiste::Ajusta("12345678901", 10), "12345678901");
}

}  // namespace
