#pragma once
// The first pass over a batch line: "%" references are replaced, inside quotes too.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cmdshell {

// The value of an environment variable, or nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The process environment; names are compared without regard to ASCII letter case, as
// Windows does, with an exact match first.
std::optional<std::string> ProcessEnvironment(std::string_view name);

// "%%" gives "%"; "%0".."%9" the script's arguments (argument 0 is its name, a missing one
// is empty); "%*" arguments 1 onwards joined by blanks; "%NAME%" the variable's value,
// empty when unset; a "%" without a closing one is dropped. Values are not expanded again.
std::string ExpandPercents(std::string_view line, const std::vector<std::string>& arguments,
                           const EnvironmentLookup& lookup);

}  // namespace vantrel::cmdshell
