#include "catalogue/patch_folders_ahead.h"

#include "platform/files.h"

namespace vantrel {

PatchFoldersAhead::~PatchFoldersAhead() { Forget(); }

void PatchFoldersAhead::Start() {
  Forget();
  folder_ = platform::CurrentDirectory();
  reading_ = std::async(std::launch::async, [] {
    // The folder's names first: the first activation looks for our own folder in it, which
    // on Linux, missing as written, would read the whole folder on the window's thread.
    platform::ReadNamesAhead("");
    return FindPatchFolders();
  });
}

std::optional<PatchFolders> PatchFoldersAhead::Take() {
  if (!reading_.valid()) return std::nullopt;
  std::future<PatchFolders> reading = std::move(reading_);
  // Taken or not, the reading ends here: a reading of another folder is waited for too.
  if (platform::CurrentDirectory() != folder_) {
    reading.wait();
    return std::nullopt;
  }
  return reading.get();
}

void PatchFoldersAhead::Forget() {
  if (reading_.valid()) reading_.wait();
  reading_ = {};
}

}  // namespace vantrel
