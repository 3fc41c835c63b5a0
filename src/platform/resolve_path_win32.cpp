#include "platform/names.h"

namespace vantrel::platform {

// Windows' file system finds a name in any letter case by itself, and a new file is
// created under the name as written: the path serves as it is.
std::string ResolvePath(std::string_view path) { return std::string(path); }

}  // namespace vantrel::platform
