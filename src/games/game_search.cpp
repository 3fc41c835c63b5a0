#include "games/game_search.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "engine/working_folder.h"
#include "platform/names.h"

namespace vantrel::games {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMainArchive = "rb.vol";

std::string NameOf(const fs::directory_entry& entry) {
  const std::u8string name = entry.path().filename().u8string();
  return {name.begin(), name.end()};
}

bool IsWorkingFolderName(std::string_view name) {
  return std::any_of(std::begin(kWorkingFolderNames), std::end(kWorkingFolderNames),
                     [name](std::string_view working) { return platform::SameNameIgnoringCase(working, name); });
}

// Whether `inner` lies in `outer` (both whole, without links).
bool Within(const fs::path& inner, const fs::path& outer) {
  auto [end, at] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return end == outer.end();
}

class Search {
 public:
  explicit Search(std::chrono::steady_clock::time_point deadline) : deadline_(deadline) {}

  void Place(const SearchPlace& place) {
    std::error_code error;
    const fs::path root = fs::canonical(place.folder, error);
    if (error || !fs::is_directory(root, error)) return;  // a place this machine does not have
    root_ = root;
    Folder(root, place.depth);
  }

  SearchResult Result() {
    auto& installs = result_.installs;
    std::sort(installs.begin(), installs.end(), [](const GameInstall& a, const GameInstall& b) { return a.folder < b.folder; });
    installs.erase(std::unique(installs.begin(), installs.end(),
                               [](const GameInstall& a, const GameInstall& b) { return a.folder == b.folder; }),
                   installs.end());
    return std::move(result_);
  }

 private:
  // Looks at `folder`'s entries: a game's when it holds the archive and a working folder;
  // its subfolders in turn while `depth` allows.
  void Folder(const fs::path& folder, int depth) {
    if (std::chrono::steady_clock::now() > deadline_) {
      result_.gaveUp = true;
      return;
    }
    // A folder reached again (two places overlap, or a link within the place) is searched
    // again only where more levels below it are allowed this time.
    if (auto seen = visited_.find(folder); seen != visited_.end() && seen->second >= depth) return;
    visited_[folder] = depth;
    std::error_code error;
    fs::directory_iterator entries(folder, fs::directory_options::none, error);
    if (error) {
      result_.unreadable.push_back(folder);
      return;
    }
    bool archive = false;
    std::vector<std::string> working;
    std::vector<fs::path> below;
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
      const fs::directory_entry& entry = *entries;
      const std::string name = NameOf(entry);
      std::error_code typeError;
      const bool link = entry.is_symlink(typeError);
      const bool directory = entry.is_directory(typeError);  // follows a link
      if (!directory) {
        archive = archive || platform::SameNameIgnoringCase(name, kMainArchive);
        continue;
      }
      if (IsWorkingFolderName(name)) working.push_back(name);
      if (depth == 0) continue;
      fs::path next = entry.path();
      if (link) {
        // A link is followed only where it stays within the place: a Wine prefix links its
        // drive letters to the whole file system.
        next = fs::canonical(next, typeError);
        if (typeError || !Within(next, root_)) continue;
      }
      below.push_back(std::move(next));
    }
    if (error) result_.unreadable.push_back(folder);
    if (archive && !working.empty()) {
      std::sort(working.begin(), working.end());
      result_.installs.push_back({folder, std::move(working)});
    }
    std::sort(below.begin(), below.end());
    for (const fs::path& next : below) Folder(next, depth - 1);
  }

  std::chrono::steady_clock::time_point deadline_;
  fs::path root_;
  std::map<fs::path, int> visited_;
  SearchResult result_;
};

}  // namespace

SearchResult LookAt(const fs::path& folder) { return FindGameInstalls({{folder, 0}}, std::chrono::steady_clock::time_point::max()); }

SearchResult FindGameInstalls(const std::vector<SearchPlace>& places, std::chrono::steady_clock::time_point deadline) {
  Search search(deadline);
  for (const SearchPlace& place : places) search.Place(place);
  return search.Result();
}

}  // namespace vantrel::games
