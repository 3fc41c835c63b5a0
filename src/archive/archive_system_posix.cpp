#include <locale.h>

#include "archive/archive_system.h"
#include "archive/libarchive.h"

namespace vantrel::archive {

int OpenArchiveFile(::archive* a, const std::string& path, std::size_t block) {
  return Lib().archive_read_open_filename(a, path.c_str(), block);
}

std::optional<std::string> EntryName(archive_entry* entry) {
  const char* name = Lib().archive_entry_pathname_utf8(entry);
  if (name == nullptr) name = Lib().archive_entry_pathname(entry);
  if (name == nullptr) return std::nullopt;
  return std::string(name);
}

// C.UTF-8 is glibc's own; without it the thread keeps its locale, and only names beyond
// ASCII are at stake.
Utf8Names::Utf8Names() : locale_(::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))) {
  if (locale_ != nullptr) previous_ = ::uselocale(static_cast<locale_t>(locale_));
}

Utf8Names::~Utf8Names() {
  if (locale_ == nullptr) return;
  ::uselocale(static_cast<locale_t>(previous_));
  ::freelocale(static_cast<locale_t>(locale_));
}

}  // namespace vantrel::archive
