#pragma once
// Internal to the platform layer (POSIX): the file a whole copy (whole_copy.h) writes, beside
// its target, put in the target's place at once, so that a copy cut short by a full disk or a
// kill leaves the old file as it was. The batch interpreter's redirections write through it
// as well (WholeFileWriter).
#include <string>

#include "platform/fd_io.h"

namespace vantrel::platform::detail {

class WholeCopyFile {
 public:
  // `target`: the resolved path of the file to be replaced or created, links followed.
  // Creates the temporary in its folder; raises InOutError (3 for a missing folder).
  explicit WholeCopyFile(std::string target);
  ~WholeCopyFile();  // removes the temporary unless it was put in place
  WholeCopyFile(const WholeCopyFile&) = delete;
  WholeCopyFile& operator=(const WholeCopyFile&) = delete;

  int fd() const { return fd_.get(); }

  // Puts the new content in place of the target. An existing target keeps its permissions
  // and owner, and before its old bytes go, the files this process created before it (a
  // backup made a moment ago) are made durable, names and bytes.
  void Commit();

 private:
  std::string target_;
  std::string temporary_;
  UniqueFd fd_;
  bool committed_ = false;
};

}  // namespace vantrel::platform::detail
