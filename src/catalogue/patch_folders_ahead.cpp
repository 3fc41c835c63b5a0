#include "catalogue/patch_folders_ahead.h"

#include "platform/files.h"

namespace vantrel {

PatchFoldersAhead::~PatchFoldersAhead() { Forget(); }

void PatchFoldersAhead::Start() {
  Forget();
  folder_ = platform::CurrentDirectory();
  listed_ = std::make_shared<Listed>();
  reading_ = std::async(std::launch::async, [listed = listed_] {
    // The folder's names first: the first activation looks for our own folder in it, which
    // on Linux, missing as written, would read the whole folder on the window's thread.
    platform::ReadNamesAhead("");
    auto search = std::make_shared<PatchFolderSearch>();
    {
      std::lock_guard lock(listed->mutex);
      listed->search = search;
    }
    search->Work();
    return search;
  });
}

std::optional<PatchFolders> PatchFoldersAhead::Take() {
  if (!reading_.valid()) return std::nullopt;
  std::future<std::shared_ptr<PatchFolderSearch>> reading = std::move(reading_);
  // Taken or not, the reading ends here: a reading of another folder is waited for too.
  if (platform::CurrentDirectory() != folder_) {
    reading.wait();
    return std::nullopt;
  }
  // The window would only wait: it looks into the folders not looked into yet meanwhile.
  std::shared_ptr<PatchFolderSearch> helping;
  {
    std::lock_guard lock(listed_->mutex);
    helping = listed_->search;
  }
  if (helping) helping->Work();
  return reading.get()->Found();
}

void PatchFoldersAhead::Forget() {
  if (reading_.valid()) reading_.wait();
  reading_ = {};
}

}  // namespace vantrel
