#include "cmdshell/percent_expansion.h"

#include <cstdlib>

#include "platform/names.h"

extern char** environ;

namespace vantrel::cmdshell {

std::optional<std::string> ProcessEnvironment(std::string_view name) {
  if (name.empty()) return std::nullopt;
  const std::string key(name);
  if (const char* exact = std::getenv(key.c_str())) return std::string(exact);
  for (char** entry = environ; entry && *entry; ++entry) {
    std::string_view pair(*entry);
    const std::size_t eq = pair.find('=');
    if (eq != std::string_view::npos && platform::SameNameIgnoringCase(pair.substr(0, eq), name)) {
      return std::string(pair.substr(eq + 1));
    }
  }
  return std::nullopt;
}

std::string ExpandPercents(std::string_view line, const std::vector<std::string>& arguments,
                           const EnvironmentLookup& lookup) {
  std::string out;
  out.reserve(line.size());
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    if (i + 1 == line.size()) break;  // a lone "%" at the end
    const char next = line[i + 1];
    if (next == '%') {
      out += '%';
      i += 2;
    } else if (next >= '0' && next <= '9') {
      const auto index = static_cast<std::size_t>(next - '0');
      if (index < arguments.size()) out += arguments[index];
      i += 2;
    } else if (next == '*') {
      for (std::size_t a = 1; a < arguments.size(); ++a) {
        if (a > 1) out += ' ';
        out += arguments[a];
      }
      i += 2;
    } else {
      const std::size_t close = line.find('%', i + 1);
      if (close == std::string_view::npos) {
        ++i;  // the lone "%" goes, the text after it stays
        continue;
      }
      if (auto value = lookup(line.substr(i + 1, close - i - 1))) out += *value;
      i = close + 1;
    }
  }
  return out;
}

}  // namespace vantrel::cmdshell
