#include "rbext/run_shell.h"

namespace vantrel {

// Windows has its own cmd, found on the search path by the shell.
std::string ShellExecutableFor(std::string_view program) { return std::string(program); }

}  // namespace vantrel
