#pragma once
// Real archives written for the tests: zip, 7z and tar.gz through libarchive's writers, and
// rar, which libarchive only reads, laid out byte by byte (stored entries of the RAR 2.9
// format, which needs no compressor).
#include <filesystem>
#include <string>
#include <vector>

namespace vantrel::testing {

enum class Format { Zip, SevenZip, TarGz, Rar };
const char* ExtensionOf(Format format);  // ".zip", ".7z", ".tar.gz", ".rar"

struct Entry {
  enum class Kind { File, Folder, Symlink, Hardlink };
  std::string path;
  std::string bytes;   // a file's content, or a link's target
  Kind kind = Kind::File;
};

// Writes the entries in order, their paths as given. Fails the test when it cannot.
void MakeArchive(const std::filesystem::path& file, Format format, const std::vector<Entry>& entries);

}  // namespace vantrel::testing
