#include <cstdlib>
#include <fstream>

#include "temp_dir.h"

namespace vantrel::testing {

Immutable::Immutable(std::filesystem::path file) : file_(std::move(file)) {
  set_ = std::system(("chattr +i '" + file_.string() + "' 2>/dev/null").c_str()) == 0;
  // Some file systems accept the command and still let writes through.
  if (set_ && std::ofstream(file_, std::ios::app)) set_ = false;
}

Immutable::~Immutable() {
  if (set_) std::system(("chattr -i '" + file_.string() + "' 2>/dev/null").c_str());
}

}  // namespace vantrel::testing
