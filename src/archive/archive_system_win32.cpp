
#include "archive/archive_system.h"
#include "archive/libarchive.h"
#include "platform/win32_text.h"

namespace vantrel::archive {

int OpenArchiveFile(::archive* a, const std::string& path, std::size_t block) {
  return Lib().archive_read_open_filename_w(a, platform::detail::Wide(path).c_str(), block);
}

// On Windows libarchive keeps the names it reads as wide characters, which hold every name,
// where the C runtime's locale would hold only ASCII.
std::optional<std::string> EntryName(archive_entry* entry) {
  if (const wchar_t* wide = Lib().archive_entry_pathname_w(entry)) return platform::detail::Utf8(wide);
  if (const char* name = Lib().archive_entry_pathname_utf8(entry)) return std::string(name);
  return std::nullopt;
}

// Nothing to change: the names are had wide.
Utf8Names::Utf8Names() = default;
Utf8Names::~Utf8Names() = default;

}  // namespace vantrel::archive
