// TMessages: a screen's message catalogue: entries "CODE|text", fetched by
// their case-sensitive code. Codes are unique within a catalogue.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/data/component.h"
#include "platform/ui/dialogs.h"

namespace host {

class TMessages : public plat::TComponent {
 public:
  using TComponent::TComponent;

  // Replaces the entries; throws EError for an entry without a bar or a
  // repeated code.
  void SetMessages(std::vector<std::string> entries);
  const std::vector<std::string>& Messages() const { return entries_; }
  int Count() const { return static_cast<int>(entries_.size()); }

  // The text after the code's bar; throws EError naming the code and the
  // catalogue when there is no such code.
  std::string Msg(std::string_view code) const;
  bool Has(std::string_view code) const;
  // Shows the code's text as a modal dialog and returns the modal result
  // (6 for Yes).
  int ShowMsg(std::string_view code, plat::DialogType type, int buttons, int helpContext) const;

 private:
  const std::string* Find(std::string_view code) const;
  std::vector<std::string> entries_;
};

}  // namespace host
