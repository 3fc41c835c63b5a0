#pragma once
// The plain files of the selected patch folder, read once for all the searches of one job.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "platform/search.h"

namespace vantrel {

// A job searches its patch folder up to eight times. Reading a folder of thousands of files
// for each search would dominate writing the script, so the folder is read at the first
// search and the masks are matched against that reading; nothing changes the folder while
// the job is written.
class PatchFolderFiles {
 public:
  explicit PatchFolderFiles(Catalogue& cat) : cat_(cat) {}

  // `PatchFolder`, read at the first use.
  const std::string& Folder();
  // The names a search of Folder() + "\" + `mask` for plain files returns, in its order.
  std::vector<std::string> Find(std::string_view mask);

 private:
  Catalogue& cat_;
  std::optional<std::string> folder_;
  std::optional<std::vector<platform::FoundEntry>> files_;
};

}  // namespace vantrel
