#include "engine/script_text.h"

namespace vantrel {

namespace {

constexpr std::string_view kPathBreakers = " &|<>^(),;=+";

}  // namespace

std::string ScriptName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    if (c == '%') out += '%';
    out += c;
  }
  return out;
}

std::string QuotedName(std::string_view name) { return '"' + ScriptName(name) + '"'; }

std::string ShellPath(std::string_view path) {
  if (path.find_first_of(kPathBreakers) == std::string_view::npos) return ScriptName(path);
  return QuotedName(path);
}

std::string_view From(std::string_view text, std::size_t position) {
  if (position > text.size()) return {};
  return text.substr(position - 1);
}

std::string CopyLine(CopyForm form, std::string_view source, std::string_view target) {
  // A target with a blank would otherwise be split into two arguments and the copy refused.
  return std::string(form.head) + QuotedName(source) + std::string(form.beforeTarget) +
         ShellPath(std::string(form.targetFolder) + std::string(target));
}

std::string SelfDeletionLine(std::string_view scriptName) {
  return "if exist " + std::string(scriptName) + " del " + std::string(scriptName);
}

}  // namespace vantrel
