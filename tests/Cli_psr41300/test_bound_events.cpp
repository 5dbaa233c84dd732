// The screen's list of bound events: every entry names a component of the
// screen and a handler that the component's event really runs.
#include <set>
#include <string>

#include "Cli_psr41300/unconnected_screen.h"

namespace screen_test {
namespace {

TEST_F(UnconnectedScreen, EveryBoundEventNamesAComponentOfTheScreenOnce) {
  std::set<std::string> seen;
  for (const host::BoundEvent& bound : screen.Bindings.List()) {
    const std::string event = bound.component + "." + bound.event;
    EXPECT_TRUE(screen.FindComponent(bound.component) || bound.component == screen.Name()) << event;
    EXPECT_TRUE(seen.insert(event).second) << event << " listed twice";
    EXPECT_FALSE(bound.handler.empty()) << event;
  }
}

// A handler listed for an event is the one the event runs: entering the
// product lines' grid runs its entry handler, which brings the orders'
// product-line tab forward.
TEST_F(UnconnectedScreen, ABoundHandlerIsTheOneThatRuns) {
  bool listed = false;
  for (const host::BoundEvent& bound : screen.Bindings.List())
    listed = listed || (bound.component == "dbgDadosContLinhaProd" && bound.event == "OnEnter" &&
                        bound.handler == "dbgDadosContLinhaProdEnter");
  EXPECT_TRUE(listed);
  screen.PageControl5->SetActivePage(screen.tshPedidosServico);
  screen.dbgDadosContLinhaProd->OnEnter(*screen.dbgDadosContLinhaProd);
  EXPECT_EQ(screen.PageControl5->ActivePage(), screen.tshPedidosLinhaProd);
}

}  // namespace
}  // namespace screen_test
