#pragma once
// The hashes of the files a status check looked at, each with the size and time the file had
// then, so that the next check reads only the files that changed since. Kept in the support
// folder as a small text file written whole.
#include <cstddef>
#include <exception>
#include <optional>
#include <unordered_map>
#include <string>
#include <vector>

#include "platform/file_stamp.h"

namespace vantrel {

class HashCache {
 public:
  struct Known {
    platform::FileStamp stamp;
    std::string hash;
  };

  // The working folder's cache; empty when it keeps none. A line it cannot read is left out
  // (that file is only read again); a cache file that cannot be read raises InOutError.
  static HashCache Load();

  // The hash of the file at `path` ("" when no file is there): the one known while the file
  // keeps its size and time, else read from the file. Raises InOutError naming the file
  // when it cannot be looked at or read.
  std::string HashOf(const std::string& path);

  // One look at a file: its hash, or why it could not be had, and what the cache may keep.
  struct Look {
    std::string hash;                   // read from the file
    const std::string* known = nullptr;  // or the cache's, kept while the cache lives
    std::exception_ptr failure;
    bool read = false;
    std::optional<Known> learnt;
  };
  // Looks at all of `paths` at once, on several threads, changing nothing; Take then gives
  // each look's answer as HashOf would have, kept in the look or in the cache.
  std::vector<Look> LookAt(const std::vector<std::string>& paths) const;
  const std::string& Take(const std::string& path, Look& look);

  // Writes the cache whole when it learnt something; a working folder without a support
  // folder keeps none. Raises InOutError naming the file.
  void Save() const;

  // How many files HashOf and Take have read since Load.
  std::size_t FilesRead() const { return filesRead_; }

 private:
  Look LookAtOne(const std::string& path) const;

  std::unordered_map<std::string, Known> known_;  // by the path as the ledger writes it
  std::size_t filesRead_ = 0;
  bool learnt_ = false;
};

}  // namespace vantrel
