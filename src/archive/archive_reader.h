#pragma once
// One archive file read entry by entry through libarchive, whatever its format: zip, 7z,
// rar, tar and the compressed tars. Internal to the archive layer.
#include <time.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct archive;

namespace vantrel::archive {

struct ArchiveEntry {
  enum class Kind { Folder, File, Link, Other };
  std::string path;  // as stored, not yet checked
  Kind kind = Kind::Other;
  std::optional<std::uint64_t> size;  // files only, when the archive records it
  std::optional<timespec> modified;
};

class ArchiveReader {
 public:
  // Opens `path` (found without regard to letter case, as every path of ours is).
  // Raises InOutError naming the file when it cannot be opened, Error(UnreadableText)
  // when it is no archive we can read.
  explicit ArchiveReader(std::string_view path);

  // The archive's file name, for the texts of its failures.
  const std::string& name() const { return name_; }

  // The next entry; nothing after the last. Raises Error(UnreadableText).
  std::optional<ArchiveEntry> Next();

  // The next piece of the current entry's data, at `offset` within the file; false at its
  // end. The bytes stay valid until the next call. Raises Error(UnreadableText).
  bool ReadBlock(const char*& data, std::size_t& size, std::uint64_t& offset);

 private:
  [[noreturn]] void Fail() const;

  struct Free {
    void operator()(::archive* a) const;
  };
  std::unique_ptr<::archive, Free> archive_;
  std::string name_;
};

// "NAME cannot be read: WHY", WHY being libarchive's own account.
std::string UnreadableText(std::string_view archiveName, std::string_view why);

}  // namespace vantrel::archive
