// A proposal-request screen made for a test and never connected: building it
// creates its components and binds its events, nothing more.
#pragma once

#include <gtest/gtest.h>

#include "Cli_psr41300/frm_solicita_proposta.h"

namespace screen_test {

class UnconnectedScreen : public ::testing::Test {
 protected:
  UnconnectedScreen() : screen(root.Create<cli_psr41300::TfrmSolicitaProposta>()) {}

  plat::TComponent root;
  cli_psr41300::TfrmSolicitaProposta& screen;
};

}  // namespace screen_test
