// The text page: the proposal's texts (code and order) in a bold group and,
// below a splitter, the current text in a rich-text editor under its
// formatting bar.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

namespace {

using namespace layout;

constexpr const char* kPage = "tshMensagem";

const ControlSpec<plat::TGroupBox> kGroup[] = {
    {"grpDescricaoProposta", &T::grpDescricaoProposta, kPage, {0, 0, 966, 140}, "Descrição da Proposta", true},
};

const ColumnSpec kMensagemColumns[] = {
    {"CDTXTPROPFAS", 0, kEllipsis},
    {"NRORDEMMSG"},
};

const GridSpec kGrid[] = {
    {"dbgMensagem", &T::dbgMensagem, "grpDescricaoProposta", {8, 16, 950, 116}, &T::dtsMensagem, kMensagemColumns},
};

const ControlSpec<plat::TSplitter> kSplitter[] = {
    {"splMensagem", &T::splMensagem, kPage, {0, 140, 966, 3}},
};

const ControlSpec<plat::TPanel> kFormattingBar[] = {
    {"panFormatacao", &T::panFormatacao, kPage, {0, 143, 966, 26}},
};

const FieldControlSpec<plat::TDBRichEdit> kEditor[] = {
    {"dreMensagem", &T::dreMensagem, kPage, {0, 169, 966, 153}, &T::dtsMensagem, "TXPROPFAS", kInput},
};

}  // namespace

void TfrmSolicitaProposta::CreateTextPage() {
  CreateControls<plat::TGroupBox>(*this, kGroup);
  CreateGrids(*this, kGrid);
  CreateControls<plat::TSplitter>(*this, kSplitter);
  CreateControls<plat::TPanel>(*this, kFormattingBar);
  CreateFieldControls<plat::TDBRichEdit>(*this, kEditor);
}

}  // namespace cli_psr41300
