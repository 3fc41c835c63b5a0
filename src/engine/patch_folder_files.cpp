#include "engine/patch_folder_files.h"

#include "catalogue/accessors.h"
#include "platform/wildcard.h"

namespace vantrel {

const std::string& PatchFolderFiles::Folder() {
  if (!folder_) folder_ = PatchFolder(cat_);
  return *folder_;
}

std::vector<std::string> PatchFolderFiles::Find(std::string_view mask) {
  if (!files_) files_ = platform::FindEntries(Folder() + "\\*", platform::Admit::Files);
  const platform::WildcardPattern pattern(mask);
  std::vector<std::string> names;
  for (const auto& file : *files_) {
    if (!pattern.Matches(file.name)) continue;
    // A plain name that is there as written is the only match, as in a search for it.
    if (!pattern.HasWildcards() && file.name == mask) return {file.name};
    names.push_back(file.name);
  }
  return names;
}

}  // namespace vantrel
