#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "quiet_shell.h"

namespace vantrel::testing {

void KeepShellsOffTerminals() {
  setenv("VANTREL_TERMINAL", "none", 1);
  if (!std::freopen("/dev/null", "r", stdin)) ADD_FAILURE() << "cannot redirect input";
}

std::string QuietShell() { return "true"; }

}  // namespace vantrel::testing
