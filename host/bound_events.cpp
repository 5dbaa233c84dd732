#include "host/bound_events.h"

namespace host {

void TBoundEvents::Add(std::string component, std::string event, std::string handler) {
  for (BoundEvent& entry : list_)
    if (entry.component == component && entry.event == event) {
      entry.handler = std::move(handler);
      return;
    }
  list_.push_back({std::move(component), std::move(event), std::move(handler)});
}

}  // namespace host
