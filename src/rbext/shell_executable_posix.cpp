#include "platform/names.h"
#include "platform/process.h"
#include "rbext/run_shell.h"

namespace vantrel {

// Linux has no cmd: both shell names stand for our batch interpreter beside this program.
std::string ShellExecutableFor(std::string_view program) {
  if (platform::SameNameIgnoringCase(program, "cmd") ||
      platform::SameNameIgnoringCase(program, "command")) {
    return platform::OwnFolder() + "/vantrel-cmd";
  }
  return std::string(program);
}

}  // namespace vantrel
