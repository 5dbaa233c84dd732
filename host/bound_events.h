// TBoundEvents: which handler runs on which event of which component of a
// screen, by name. A screen notes each event as it binds it, so that a host
// can list what is wired ("component.event handler") without reading code.
//
// What callers may rely on: the list holds one entry per binding, in the
// order the screen bound them; binding the same event again replaces its
// entry, as it replaces the handler.
#pragma once

#include <string>
#include <vector>

namespace host {

struct BoundEvent {
  std::string component;
  std::string event;
  std::string handler;
};

class TBoundEvents {
 public:
  void Add(std::string component, std::string event, std::string handler);
  const std::vector<BoundEvent>& List() const { return list_; }

 private:
  std::vector<BoundEvent> list_;
};

}  // namespace host
