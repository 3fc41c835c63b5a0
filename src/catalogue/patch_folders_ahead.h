#pragma once
// The first scan of a large working folder takes as long as building the window. The program
// starts reading the patch folders on a thread of their own as soon as it has entered the
// working folder, and the window's first scan takes what was read instead of reading again.
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "catalogue/scan.h"

namespace vantrel {

class PatchFoldersAhead {
 public:
  PatchFoldersAhead() = default;
  PatchFoldersAhead(const PatchFoldersAhead&) = delete;
  PatchFoldersAhead& operator=(const PatchFoldersAhead&) = delete;
  ~PatchFoldersAhead();  // waits for a reading still going on

  // Starts reading the current folder's patch folders. Nothing else may change the current
  // folder until the reading has been taken or forgotten.
  void Start();
  // What was read, nothing when no reading was started, or it was of another folder than
  // the current one. A reading not done yet is finished with this thread's help. Raises
  // what the reading raised. Once only.
  std::optional<PatchFolders> Take();
  // Drops what was read (something has changed the folder since): the next scan reads again.
  void Forget();

 private:
  // The search once its folders are listed, for Take to help with.
  struct Listed {
    std::mutex mutex;
    std::shared_ptr<PatchFolderSearch> search;
  };

  std::future<std::shared_ptr<PatchFolderSearch>> reading_;
  std::shared_ptr<Listed> listed_;
  std::string folder_;
};

}  // namespace vantrel
