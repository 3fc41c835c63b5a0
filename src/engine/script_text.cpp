#include "engine/script_text.h"

namespace vantrel {

namespace {

constexpr std::string_view kVolumePathBreakers = " &|<>^(),;=";

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

std::string VolumePath(std::string_view path) {
  if (path.find_first_of(kVolumePathBreakers) == std::string_view::npos) return ScriptName(path);
  return QuotedName(path);
}

std::string_view From(std::string_view text, std::size_t position) {
  if (position > text.size()) return {};
  return text.substr(position - 1);
}

std::string CopyLine(CopyForm form, std::string_view source, std::string_view target) {
  return std::string(form.head) + QuotedName(source) + std::string(form.beforeTarget) + ScriptName(target);
}

std::string SelfDeletionLine(std::string_view scriptName) {
  return "if exist " + std::string(scriptName) + " del " + std::string(scriptName);
}

}  // namespace vantrel
