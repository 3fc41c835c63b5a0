#include "lock_probe.h"

#include "platform/errors.h"
#include "platform/process.h"

namespace vantrel::testing::detail {

// The lock file's handle it inherits gives it no lock: its own open of the file is refused.
int RunLockProbe() {
  try {
    return platform::RunProgramAndWait(LockProbeProgram(), {"100"});
  } catch (const Error&) {
    return -1;
  }
}

}  // namespace vantrel::testing::detail
