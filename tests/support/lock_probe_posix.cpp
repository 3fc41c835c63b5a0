#include "lock_probe.h"
#include "program_run.h"

namespace vantrel::testing::detail {

// Through a shell: a program this process starts itself is handed the lock it holds.
int RunLockProbe() { return RunBesideTest("vantrel-lock-probe", "100").status; }

}  // namespace vantrel::testing::detail
