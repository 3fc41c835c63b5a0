#pragma once
// What libarchive needs of each system: names in the system's own terms. libarchive takes
// narrow paths in the system's code page and turns the names it reads into the characters
// of the current locale, while every name of ours is UTF-8.
#include <cstddef>
#include <optional>
#include <string>

struct archive;
struct archive_entry;

namespace vantrel::archive {

// archive_read_open_filename for `path` (UTF-8), read in blocks of `block` bytes; libarchive's
// status, with its errno set on failure.
int OpenArchiveFile(::archive* a, const std::string& path, std::size_t block);

// The name of an archive's entry in UTF-8; nothing when libarchive could not read it.
std::optional<std::string> EntryName(archive_entry* entry);

// While one lives, the names libarchive reads on this thread can be had in UTF-8 whatever
// the program's locale: the C locale a program starts in holds no character beyond ASCII,
// so a 7z's names (stored in UTF-16) would be lost. Other threads are not touched.
class Utf8Names {
 public:
  Utf8Names();
  ~Utf8Names();
  Utf8Names(const Utf8Names&) = delete;
  Utf8Names& operator=(const Utf8Names&) = delete;

 private:
  void* locale_ = nullptr;
  void* previous_ = nullptr;
};

}  // namespace vantrel::archive
