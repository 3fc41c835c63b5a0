#include "hidden.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace vantrel::testing {

// The leading dot is what hides an entry here.
void Hide(const std::filesystem::path& path) {
  if (!Utf8Name(path.filename()).starts_with(".")) ADD_FAILURE() << path << " is not hidden: its name starts with no dot";
}

}  // namespace vantrel::testing
