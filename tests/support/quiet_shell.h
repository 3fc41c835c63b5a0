#pragma once
// Job shells in a test run: none waits for a key or opens a terminal window, and one that
// does nothing stands in where a test runs the scripts itself.
#include <string>

namespace vantrel::testing {

// A started shell never opens a terminal window during a test run, and the pause lines of
// the scripts return at once instead of waiting for a key from whoever started the tests.
void KeepShellsOffTerminals();

// A job shell that starts and does nothing: the engine's own start of a script is then
// harmless, and the tests run the scripts themselves.
std::string QuietShell();

}  // namespace vantrel::testing
