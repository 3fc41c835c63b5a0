#include "window/patch_readme.h"

#include "platform/names.h"
#include "platform/search.h"
#include "platform/text_file.h"

namespace vantrel {

namespace {

// Plenty for a readme; a text file that is really something else stays cheap to show.
constexpr std::size_t kMostLines = 2000;

bool IsReadmeName(const std::string& name) {
  const std::size_t dot = name.find('.');
  return platform::SameNameIgnoringCase(name.substr(0, dot), "readme");
}

}  // namespace

std::optional<std::string> PatchReadme(const std::string& folder) {
  const std::string prefix = ".\\" + folder + "\\";
  std::string chosen;
  for (const platform::FoundEntry& entry : platform::FindEntries(prefix + "*", platform::Admit::Files)) {
    if (IsReadmeName(entry.name)) {
      chosen = entry.name;
      break;
    }
  }
  if (chosen.empty()) chosen = platform::FindFirstName(prefix + "*.txt", platform::Admit::Files);
  if (chosen.empty()) return std::nullopt;
  std::string text;
  std::size_t lines = 0;
  for (const std::string& line : platform::ReadTextLines(prefix + chosen)) {
    if (++lines > kMostLines) break;
    text += line + "\n";
  }
  return text;
}

}  // namespace vantrel
