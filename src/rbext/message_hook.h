#pragma once
// Where messages for the user go: the window shows them in a box, tests record them.
#include <functional>
#include <string>

namespace vantrel {

using MessageHook = std::function<void(const std::string&)>;

}  // namespace vantrel
