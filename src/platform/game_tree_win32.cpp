#include "platform/game_tree.h"

#include <windows.h>

#include <optional>

#include "platform/errors.h"
#include "platform/handle_io.h"
#include "platform/names.h"
#include "platform/win32_text.h"
#include "platform/write_target.h"

// Windows' links are reparse points (symbolic links and junctions), which every open follows.
// Where a path really leads is what GetFinalPathNameByHandleW tells of the file or folder it
// opens; the game tree is compared with that.
namespace vantrel::platform {
namespace {

// The path the system reaches through `path`, every link and junction on the way followed,
// without the "\\?\" prefix; none when nothing is there.
std::optional<std::wstring> FinalPath(std::string_view path) {
  const detail::UniqueHandle entry(::CreateFileW(detail::Wide(path.empty() ? "." : path).c_str(), 0,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!entry.valid()) return std::nullopt;
  std::wstring final(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFinalPathNameByHandleW(entry.get(), final.data(), static_cast<DWORD>(final.size()),
                                                     FILE_NAME_NORMALIZED);
    if (length == 0) return std::nullopt;
    if (length < final.size()) {
      final.resize(length);
      break;
    }
    final.resize(length + 1);
  }
  if (final.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + final.substr(8);
  if (final.starts_with(L"\\\\?\\")) return final.substr(4);
  return final;
}

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

bool Inside(const std::wstring& real, std::wstring root) {
  if (!root.empty() && root.back() == L'\\') root.pop_back();  // a drive's root, "C:\"
  if (real.size() == root.size()) return SameIgnoringCase(real, root);
  return real.size() > root.size() && real[root.size()] == L'\\' &&
         SameIgnoringCase(std::wstring_view(real).substr(0, root.size()), root);
}

std::optional<std::wstring> GameRoot() { return FinalPath(".."); }

std::wstring Joined(std::wstring folder, std::string_view name) {
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return folder + detail::Wide(name);
}

// The entry `path` names is inside the game tree when the folder holding it is. A folder
// that is not there holds nothing to write into, so the write fails on its own.
bool EntryInside(std::string_view path) {
  const std::optional<std::wstring> root = GameRoot();
  if (!root) return false;
  const PathParts parts = SplitLastComponent(path);
  const bool walksUp = parts.name.empty() || parts.name == "." || parts.name == "..";
  const std::optional<std::wstring> folder = FinalPath(walksUp ? path : std::string_view(parts.folder));
  if (!folder) return true;
  return Inside(walksUp ? *folder : Joined(*folder, parts.name), *root);
}

}  // namespace

namespace detail {

// An existing entry is written where it really is, as the POSIX side writes through a link
// to the file it leads to; a new one is created in its folder, which must be inside.
std::string WriteTarget(const std::string& path, std::string_view written) {
  if (!WritesConfined()) return path;
  const std::optional<std::wstring> real = FinalPath(path);
  if (!real) {
    if (!EntryInside(path)) throw Error(LinkOutOfGameText(written));
    return path;
  }
  const std::optional<std::wstring> root = GameRoot();
  if (!root || !Inside(*real, *root)) throw Error(LinkOutOfGameText(written));
  // Reached through no link at its own name, the entry keeps the name as written: a move
  // that changes only its letter case takes the new case.
  const PathParts parts = SplitLastComponent(path);
  const std::optional<std::wstring> folder = FinalPath(parts.folder);
  if (folder && SameIgnoringCase(Joined(*folder, parts.name), *real)) return path;
  return Utf8(*real);
}

void CheckEntryInGameTree(const std::string& path, std::string_view written) {
  if (WritesConfined() && !EntryInside(path)) throw Error(LinkOutOfGameText(written));
}

}  // namespace detail
}  // namespace vantrel::platform
