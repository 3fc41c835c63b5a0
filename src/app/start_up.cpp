#include "app/start_up.h"

#include <exception>

#include "app/command_line.h"
#include "platform/errors.h"

namespace vantrel::app {

std::optional<int> StartInWorkingFolder(const std::vector<std::string>& args, const FolderChooser& choose,
                                        const StartFailure& fail, const GameOffer& offer) {
  try {
    if (!EnterWorkingFolder(FolderArgument(args), choose, offer)) return 0;  // nothing to work on
  } catch (const UsageError& e) {
    fail(e.what(), 2);
    return 2;
  } catch (const std::exception& e) {
    fail(e.what(), 1);
    return 1;
  }
  return std::nullopt;
}

std::string HelpHint() { return "Try '" + std::string(kProgram) + " --help'."; }

}  // namespace vantrel::app
