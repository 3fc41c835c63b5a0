#include "archive/archive_reader.h"

#include <algorithm>
#include <cerrno>
#include <new>

#include "archive/archive_system.h"
#include "archive/libarchive.h"
#include "platform/errors.h"
#include "platform/names.h"

namespace vantrel::archive {
namespace {

// Large enough that the file is read in few calls; the decompressors keep their own buffers.
constexpr std::size_t kReadBlock = std::size_t{1} << 20;

ArchiveEntry::Kind KindOf(archive_entry* entry) {
  // A hard link is recorded as a file that shares another's bytes: it names a target.
  if (Lib().archive_entry_hardlink(entry) != nullptr) return ArchiveEntry::Kind::Link;
  switch (Lib().archive_entry_filetype(entry)) {
    case AE_IFDIR: return ArchiveEntry::Kind::Folder;
    case AE_IFREG: return ArchiveEntry::Kind::File;
    case AE_IFLNK: return ArchiveEntry::Kind::Link;
    default: return ArchiveEntry::Kind::Other;
  }
}

}  // namespace

std::string UnreadableText(std::string_view archiveName, std::string_view why) {
  return std::string(archiveName) + " cannot be read: " + std::string(why);
}

ArchiveReader::ArchiveReader(std::string_view path)
    : archive_(Lib().archive_read_new()), name_(platform::SplitLastComponent(path).name) {
  if (!archive_) throw std::bad_alloc();
  ::archive* a = archive_.get();
  const Libarchive& lib = Lib();
  lib.archive_read_support_filter_all(a);
  for (auto support : {lib.archive_read_support_format_zip, lib.archive_read_support_format_7zip,
                       lib.archive_read_support_format_rar, lib.archive_read_support_format_rar5,
                       lib.archive_read_support_format_tar}) {
    support(a);
  }
  const Utf8Names names;  // a format may read its first names at once
  if (OpenArchiveFile(a, platform::ResolvePath(path), kReadBlock) != ARCHIVE_OK) {
    const int err = lib.archive_errno(a);
    // A file that is not there or may not be read is the system's failure, not the archive's.
    // libarchive gives EILSEQ for a format it does not know and EINVAL for its own misuse.
    if (err > 0 && err != EILSEQ && err != EINVAL) throw InOutError(InOutError::CodeForErrno(err), name_);
    Fail();
  }
}

void ArchiveReader::Free::operator()(::archive* a) const { Lib().archive_read_free(a); }

void ArchiveReader::Fail() const {
  const char* why = Lib().archive_error_string(archive_.get());
  throw Error(UnreadableText(name_, why != nullptr ? why : "damaged or cut short"));
}

std::optional<ArchiveEntry> ArchiveReader::Next() {
  const Utf8Names names;
  archive_entry* entry = nullptr;
  const Libarchive& lib = Lib();
  const int status = lib.archive_read_next_header(archive_.get(), &entry);
  if (status == ARCHIVE_EOF) return std::nullopt;
  // A warning (an odd time stamp, an unknown extension field) still gives a whole entry.
  if (status != ARCHIVE_OK && status != ARCHIVE_WARN) Fail();
  std::optional<std::string> path = EntryName(entry);
  if (!path) throw Error(UnreadableText(name_, "an entry's name cannot be read"));
  ArchiveEntry result{std::move(*path), KindOf(entry), std::nullopt, std::nullopt};
  // "\" separates as "/" does in every name of ours. libarchive gives it as "/" already for
  // zip, and for every format on Windows: so everywhere, a name reads the same.
  std::replace(result.path.begin(), result.path.end(), '\\', '/');
  if (result.kind == ArchiveEntry::Kind::File && lib.archive_entry_size_is_set(entry)) {
    result.size = static_cast<std::uint64_t>(lib.archive_entry_size(entry));
  }
  if (lib.archive_entry_mtime_is_set(entry)) {
    result.modified = timespec{lib.archive_entry_mtime(entry), lib.archive_entry_mtime_nsec(entry)};
  }
  return result;
}

bool ArchiveReader::ReadBlock(const char*& data, std::size_t& size, std::uint64_t& offset) {
  const void* block = nullptr;
  la_int64_t at = 0;
  const int status = Lib().archive_read_data_block(archive_.get(), &block, &size, &at);
  if (status == ARCHIVE_EOF) return false;
  if (status != ARCHIVE_OK && status != ARCHIVE_WARN) Fail();
  data = static_cast<const char*>(block);
  offset = static_cast<std::uint64_t>(at);
  return true;
}

}  // namespace vantrel::archive
