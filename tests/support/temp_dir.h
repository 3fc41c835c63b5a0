#pragma once
// A temporary working folder for tests: created fresh, made the current folder
// while the object lives, removed with everything in it afterwards.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::testing {

class TempDir {
 public:
  TempDir();                       // creates the folder and enters it
  ~TempDir();                      // leaves it and removes it
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return root_; }

  // Paths are relative to the folder, "/" separated, as they are on disk.
  void write(std::string_view rel, std::string_view bytes) const;
  std::string read(std::string_view rel) const;
  bool exists(std::string_view rel) const;
  void mkdir(std::string_view rel) const;
  // The names of the entries of the folder (or of its folder `rel`) as stored on disk, sorted:
  // where a file system that ignores case would find "A.TXT" for "a.txt", this still tells
  // which name it holds.
  std::vector<std::string> names(std::string_view rel = {}) const;

 private:
  std::filesystem::path root_;
  std::filesystem::path previous_;
};

// Paths as the program keeps them, in UTF-8 ("/" separated for a name that holds a folder).
// A narrow std::filesystem path is in the ANSI code page on Windows, so names go through these.
std::filesystem::path Utf8Path(std::string_view utf8);
std::string Utf8Name(const std::filesystem::path& path);

// Reads a whole file; fails the test when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);
// The plain files of `folder` by name, with their bytes: to see that nothing was written
// there. Hidden ones are left out: they are a writer's temporaries.
std::map<std::string, std::string> VisibleFiles(const std::filesystem::path& folder);

// Makes a file immutable for as long as the object lives. Root ignores permission bits but
// not this attribute, so it is how tests make a write fail for root too. Where the file
// system has no such attribute, Set() is false and the test should skip. On Windows it is
// the read-only attribute; under Wine, which maps that to permission bits, the host's
// immutable flag, set by the host's chattr.
class Immutable {
 public:
  explicit Immutable(std::filesystem::path file);
  ~Immutable();
  Immutable(const Immutable&) = delete;
  Immutable& operator=(const Immutable&) = delete;
  bool Set() const { return set_; }

 private:
  std::filesystem::path file_;
  bool set_ = false;
};

// Lines joined with CR LF, each line ended, as our text files are written.
std::string CrLf(std::initializer_list<std::string_view> lines);

}  // namespace vantrel::testing
