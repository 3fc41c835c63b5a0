#pragma once
// Internal to the platform layer: a file's new content written beside it and put in its
// place at once, so that a copy cut short by a full disk or a kill leaves the old file
// as it was. Not part of the layer's interface.
#include <string>

#include "platform/fd_io.h"
#include "platform/stray_temporaries.h"

namespace vantrel::platform::detail {

class ReplacingFile {
 public:
  // `target`: the resolved path of the file to be replaced or created, links followed.
  // Creates the temporary in its folder; raises InOutError (3 for a missing folder).
  explicit ReplacingFile(std::string target);
  ~ReplacingFile();  // removes the temporary unless it was put in place
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

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
