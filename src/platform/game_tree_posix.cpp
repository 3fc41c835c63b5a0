#include "platform/game_tree.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/write_target.h"

namespace vantrel::platform {
namespace {

// A chain of links longer than this is a loop, as the kernel's own limit says.
constexpr int kMaxLinkDepth = 40;

std::optional<std::string> RealPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.empty() ? "." : path.c_str(), nullptr), &std::free);
  if (!real) return std::nullopt;
  return std::string(real.get());
}

std::string ReadLink(const std::string& path) {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0) throw InOutError::FromErrno(errno);
    if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(n));
    buffer.resize(buffer.size() * 2);
  }
}

bool IsLink(const std::string& path) {
  struct stat st {};
  return detail::StatIfThere(path, st, path, false) && S_ISLNK(st.st_mode);
}

bool Inside(const std::string& real, const std::string& root) {
  if (root == "/") return true;
  return real == root || (real.size() > root.size() && real.compare(0, root.size(), root) == 0 && real[root.size()] == '/');
}

// The entry `posixPath` names is inside the game tree when the folder holding it is. A
// folder that is not there holds nothing to write into, so the write fails on its own.
bool EntryInside(const std::string& posixPath) {
  const std::optional<std::string> root = RealPath("..");
  if (!root) return false;
  const PathParts parts = detail::SplitResolvedPath(posixPath);
  const bool walksUp = parts.name == "." || parts.name == "..";
  const std::optional<std::string> folder = RealPath(walksUp ? posixPath : parts.folder);
  if (!folder && !detail::NotThere(errno)) detail::ThrowCouldNotLook(errno, walksUp ? posixPath : parts.folder);
  if (!folder) return true;
  return Inside(walksUp ? *folder : detail::JoinPath(*folder, parts.name), *root);
}

}  // namespace

namespace detail {

std::string WriteTarget(const std::string& posixPath, std::string_view written) {
  std::string path = posixPath;
  for (int depth = 0; IsLink(path); ++depth) {
    if (depth == kMaxLinkDepth) throw InOutError::FromErrno(ELOOP);
    const std::string target = ReadLink(path);
    path = target.front() == '/' ? target : JoinPath(SplitResolvedPath(path).folder, target);
  }
  if (WritesConfined() && !EntryInside(path)) throw Error(LinkOutOfGameText(written));
  return path;
}

void CheckEntryInGameTree(const std::string& posixPath, std::string_view written) {
  if (WritesConfined() && !EntryInside(posixPath)) throw Error(LinkOutOfGameText(written));
}

}  // namespace detail
}  // namespace vantrel::platform
