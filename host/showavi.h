// Showavi: the host's wait animation around server calls. Starts and stops
// are counted: the animation shows from the first start until as many stops
// have followed; a stop without a start does nothing.
#pragma once

namespace plat {
class TForm;
}

namespace host::Showavi {

void ActiveShowAvi(plat::TForm* mainForm, int kind);
void DeactiveShowAvi();
int Depth();        // starts not yet stopped
int TotalStarts();  // since the last ResetCounts
void ResetCounts();

}  // namespace host::Showavi
