#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace vantrel::testing {

namespace fs = std::filesystem;

// A name no other test process takes: create_directory is false for one that is there.
// (mkdtemp would do, but Windows has none.)
TempDir::TempDir() : previous_(fs::current_path()) {
  std::random_device seed;
  std::mt19937_64 pick(seed());
  for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "vantrel-test-%012llx", static_cast<unsigned long long>(pick() >> 16));
    fs::path candidate = fs::temp_directory_path() / name;
    if (fs::create_directory(candidate)) root_ = candidate;
  }
  if (root_.empty()) throw std::runtime_error("cannot create a temporary folder");
  fs::current_path(root_);
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::current_path(previous_, ec);
  // Restore write permission so that read-only test folders can be removed.
  for (auto it = fs::recursive_directory_iterator(root_, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(root_, ec);
}

fs::path Utf8Path(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8Name(const fs::path& path) {
  const std::u8string name = path.generic_u8string();
  return std::string(name.begin(), name.end());
}

void TempDir::write(std::string_view rel, std::string_view bytes) const {
  fs::path file = root_ / Utf8Path(rel);
  fs::create_directories(file.parent_path());
  WriteFileBytes(file, bytes);
}

std::string TempDir::read(std::string_view rel) const { return ReadFileBytes(root_ / Utf8Path(rel)); }

bool TempDir::exists(std::string_view rel) const { return fs::exists(root_ / Utf8Path(rel)); }

void TempDir::mkdir(std::string_view rel) const { fs::create_directories(root_ / Utf8Path(rel)); }

std::vector<std::string> TempDir::names(std::string_view rel) const {
  std::vector<std::string> found;
  for (const fs::directory_entry& entry : fs::directory_iterator(root_ / Utf8Path(rel))) {
    found.push_back(Utf8Name(entry.path().filename()));
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string ReadFileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    ADD_FAILURE() << "cannot read " << file;
    return {};
  }
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFileBytes(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << file;
}

std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (auto line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::map<std::string, std::string> VisibleFiles(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && !name.starts_with(".")) files[name] = ReadFileBytes(entry.path());
  }
  return files;
}

}  // namespace vantrel::testing
