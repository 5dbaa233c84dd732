#include "host/showavi.h"

#include "platform/ui/dialogs.h"

namespace host::Showavi {

namespace {
int depth = 0;
int starts = 0;
}  // namespace

void ActiveShowAvi(plat::TForm*, int) {
  ++starts;
  if (depth++ == 0) plat::Dialogs::Current().WaitStart();
}

void DeactiveShowAvi() {
  if (depth == 0) return;
  if (--depth == 0) plat::Dialogs::Current().WaitStop();
}

int Depth() { return depth; }
int TotalStarts() { return starts; }

void ResetCounts() {
  depth = 0;
  starts = 0;
}

}  // namespace host::Showavi
