// The coded fields of the product lines: each stores a short code the server
// understands and shows the word the catalogue holds for it. Codes and texts
// are compared exactly, in the group's order, with the catalogue text fetched
// at every call; a stored value outside the group shows nothing, and an entry
// that matches no text leaves the stored code as it was.
#include <span>

#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

namespace {

struct Code {
  const char* stored;
  const char* message;  // msgPadrao code of the text shown
};

using Group = std::span<const Code>;

const Code kPlatform[] = {{"WEB", "WEB"}, {"WIN", "WIN"}, {"DOS", "DOS"}};
const Code kLineType[] = {{"M", "MANUT"}, {"L", "LOCA"}};
const Code kPayment[] = {{"F", "PGFIXO"}, {"A", "PGPROPOR"}};
// The same letters mean branch and head office here.
const Code kPlace[] = {{"F", "Filial"}, {"M", "Matriz"}};

void ShowCode(const TfrmSolicitaProposta& form, const plat::TField& field, std::string& text, Group group) {
  const std::string stored = field.AsString();
  for (const Code& code : group)
    if (stored == code.stored) {
      text = form.msgPadrao->Msg(code.message);
      return;
    }
  text.clear();
}

void TakeText(const TfrmSolicitaProposta& form, plat::TField& field, const std::string& text, Group group) {
  for (const Code& code : group)
    if (text == form.msgPadrao->Msg(code.message)) {
      field.SetAsString(code.stored);
      return;
    }
}

}  // namespace

using plat::TField;

void TfrmSolicitaProposta::cdsDadosContLinhaProdIDAMBLINPPGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kPlatform);
}
void TfrmSolicitaProposta::cdsDadosContLinhaProdIDAMBLINPPSetText(TField& sender, const std::string& text) {
  TakeText(*this, sender, text, kPlatform);
}
void TfrmSolicitaProposta::cdsDadosContLinhaProdIDTIPLINPPGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kLineType);
}
void TfrmSolicitaProposta::cdsDadosContLinhaProdIDTIPLINPPSetText(TField& sender, const std::string& text) {
  TakeText(*this, sender, text, kLineType);
}
void TfrmSolicitaProposta::cdsDadosContLinhaProdIDTPPGTLINPPGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kPayment);
}
void TfrmSolicitaProposta::cdsDadosContLinhaProdIDTPPGTLINPPSetText(TField& sender, const std::string& text) {
  TakeText(*this, sender, text, kPayment);
}
void TfrmSolicitaProposta::cdsDadosContLinhaProdIDMPROCLINPPGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kPlace);
}
void TfrmSolicitaProposta::cdsDadosContLinhaProdIDMPROCLINPPSetText(TField& sender, const std::string& text) {
  TakeText(*this, sender, text, kPlace);
}
void TfrmSolicitaProposta::cdsDadosContLinhaProdIDLPROCLINPPGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kPlace);
}
void TfrmSolicitaProposta::cdsDadosContLinhaProdIDLPROCLINPPSetText(TField& sender, const std::string& text) {
  TakeText(*this, sender, text, kPlace);
}
void TfrmSolicitaProposta::cdsPedidosLinhaProdPLATAFORMAGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kPlatform);
}
void TfrmSolicitaProposta::cdsPedidosLinhaProdPLATAFORMASetText(TField& sender, const std::string& text) {
  TakeText(*this, sender, text, kPlatform);
}
void TfrmSolicitaProposta::cdsPedidosLinhaProdTP_LINHAPRODGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kLineType);
}
void TfrmSolicitaProposta::cdsPedidosLinhaProdTP_LINHAPRODSetText(TField& sender, const std::string& text) {
  TakeText(*this, sender, text, kLineType);
}
void TfrmSolicitaProposta::cdsPedidosLinhaProdTP_PAGGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kPayment);
}
void TfrmSolicitaProposta::cdsPedidosLinhaProdTP_PAGSetText(TField& sender, const std::string& text) {
  TakeText(*this, sender, text, kPayment);
}
void TfrmSolicitaProposta::cdsPedidosLinhaProdMODO_PROCESSAMENTOGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kPlace);
}
void TfrmSolicitaProposta::cdsPedidosLinhaProdLOCAL_PROCESSAMENTOGetText(TField& sender, std::string& text, bool) {
  ShowCode(*this, sender, text, kPlace);
}

}  // namespace cli_psr41300
