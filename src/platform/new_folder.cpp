#include "platform/new_folder.h"

namespace vantrel::platform {

std::string NameTakenText(std::string_view name) {
  return "There is already a file or folder named " + std::string(name) + " in the working folder.";
}

}  // namespace vantrel::platform
