// TNumberEdit: the host's number edit. It holds a number and shows it with a
// fixed count of decimals and thousands separators ("#,##0.00" for two), in
// the host's separators.
//
// What callers may rely on: Value is the number as it was stored, not the
// rounded one the text shows, so sums kept in the edit lose nothing to the
// display. Text typed by the user is read as a number (thousands separators
// allowed) and stays as typed until the edit is left, when it is shown in the
// edit's format again; a number cut short while typed ("12,") counts as far
// as it goes; text that no further key makes a number is refused and the
// edit keeps its value.
#pragma once

#include "platform/ui/dbedit.h"

namespace plat {

class TNumberEdit : public TEdit {
 public:
  using TEdit::TEdit;

  int Decimals = 2;

  double Value() const { return value_; }
  void SetValue(double value);
  bool UserEdit(const std::string& text) override;
  void DoExit() override;

 private:
  double value_ = 0;
};

}  // namespace plat
