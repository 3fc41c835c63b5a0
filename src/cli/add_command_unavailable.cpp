#include "cli/add_command.h"

#include "platform/errors.h"

namespace vantrel::cli {

// Built where no archive library is at hand (the Windows build, until libarchive is
// cross-built): the command is still known, so that its help and usage stay the same, and
// it says plainly that it cannot be done instead of doing nothing.
void Add(Session&, const std::vector<std::string>&, std::ostream&) {
  throw Error("This build of Vantrel cannot read patch archives; unpack the archive into the working folder.");
}

}  // namespace vantrel::cli
