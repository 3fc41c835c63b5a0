#pragma once
// The hashes of the files a status check looked at, each with the size and time the file had
// then, so that the next check reads only the files that changed since. Kept in the support
// folder as a small text file written whole.
#include <cstddef>
#include <unordered_map>
#include <string>

#include "platform/file_stamp.h"

namespace vantrel {

class HashCache {
 public:
  // The working folder's cache; empty when it keeps none. A line it cannot read is left out
  // (that file is only read again); a cache file that cannot be read raises InOutError.
  static HashCache Load();

  // The hash of the file at `path` ("" when no file is there): the one known while the file
  // keeps its size and time, else read from the file. Raises InOutError naming the file
  // when it cannot be looked at or read.
  std::string HashOf(const std::string& path);

  // Writes the cache whole when it learnt something; a working folder without a support
  // folder keeps none. Raises InOutError naming the file.
  void Save() const;

  // How many files HashOf has read since Load.
  std::size_t FilesRead() const { return filesRead_; }

  struct Known {
    platform::FileStamp stamp;
    std::string hash;
  };

 private:
  std::unordered_map<std::string, Known> known_;  // by the path as the ledger writes it
  std::size_t filesRead_ = 0;
  bool learnt_ = false;
};

}  // namespace vantrel
