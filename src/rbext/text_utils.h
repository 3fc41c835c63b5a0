#pragma once
// Small text routines shared by the window and the engine.
#include <string>
#include <string_view>

namespace vantrel {

// A copy with A-Z lower-cased; every other byte unchanged. Any length.
std::string LowerName(std::string_view text);

// Splits a path into folder, name and extension. The extension is the text from the last
// "." of the last component to the end ("" when that component has none); the name is
// the last component from its separator on, separator included ("\" and "/" alike); the
// folder is the text before it, without a closing separator ("" when there is none).
// C:\A\B.C gives folder C:\A, name \B and extension .C. Any length.
struct SplitPathResult {
  std::string folder;
  std::string name;
  std::string extension;
};
SplitPathResult SplitPath(std::string_view path);

}  // namespace vantrel
