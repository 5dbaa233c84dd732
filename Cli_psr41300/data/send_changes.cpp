// Sending a data set's changes: every post and delete of an editable data set
// goes to the server at once, with the data set's Set method, inside the
// host's wait animation. Only an accepted send merges the change log and asks
// the host to refresh its copy of the table; a refused one leaves the change
// logged, to go with the next send or be discarded by a cancel.
#include "Cli_psr41300/frm_solicita_proposta.h"
#include "appclient/rdm_solicita_proposta.h"
#include "host/application.h"
#include "host/consiste.h"
#include "host/showavi.h"
#include "host/vogalis.h"

namespace cli_psr41300 {

namespace {

// The host's wait animation, stopped exactly once whatever happens.
class WaitAnimation {
 public:
  WaitAnimation() { host::Showavi::ActiveShowAvi(host::TApplication::Current().MainForm, 1); }
  ~WaitAnimation() { Stop(); }
  WaitAnimation(const WaitAnimation&) = delete;
  WaitAnimation& operator=(const WaitAnimation&) = delete;

  void Stop() {
    if (!running_) return;
    running_ = false;
    host::Showavi::DeactiveShowAvi();
  }

 private:
  bool running_ = true;
};

// What the status bar says after a send.
constexpr const char* kSentNote = "Alterações gravadas";
constexpr const char* kSendRefusedNote = "Alterações recusadas pelo servidor: Confirmar envia de novo, Cancelar desfaz";

}  // namespace

void TfrmSolicitaProposta::SendChanges(plat::TClientDataSet& dataSet, const char* setMethod, const char* cacheTable) {
  if (dataSet.ChangeCount() == 0) return;
  WaitAnimation wait;
  try {
    host::Consiste::CheckResultServ(appclient::RdmSolicitaProposta(*netProposta).Set(setMethod, dataSet.GetDelta()),
                                    true, 0);
  } catch (...) {
    wait.Stop();
    ShowPendingWork();  // the refused change waits in the log: Confirmar sends it again, Cancelar discards it
    host::TApplication::Current().Note(kSendRefusedNote);
    throw;
  }
  wait.Stop();
  if (dataSet.LogChanges) dataSet.MergeChangeLog();
  host::Vogalis::AtualizaLocalCache({cacheTable});
  ShowPendingWork();
  host::TApplication::Current().Note(kSentNote);
}

}  // namespace cli_psr41300
