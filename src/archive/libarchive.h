#pragma once
// The libarchive functions the reader calls, reached through one table. On Linux libarchive
// is loaded when the first archive is read, not with the program: it and the libraries it
// brings (libxml2, nettle, acl, bz2 and more) took a noticeable part of the window's start,
// and most runs read no archive. On Windows it is linked in whole, and the table holds its
// own functions.
#include <archive.h>
#include <archive_entry.h>

namespace vantrel::archive {

#define VANTREL_LIBARCHIVE_CALLS(CALL)                                                              \
  CALL(archive_read_new) CALL(archive_read_free) CALL(archive_read_support_filter_all)              \
  CALL(archive_read_support_format_zip) CALL(archive_read_support_format_7zip)                      \
  CALL(archive_read_support_format_rar) CALL(archive_read_support_format_rar5)                      \
  CALL(archive_read_support_format_tar) CALL(archive_read_open_filename)                            \
  CALL(archive_read_open_filename_w) CALL(archive_read_next_header) CALL(archive_read_data_block)   \
  CALL(archive_errno) CALL(archive_error_string) CALL(archive_entry_hardlink)                       \
  CALL(archive_entry_filetype) CALL(archive_entry_size_is_set) CALL(archive_entry_size)             \
  CALL(archive_entry_mtime_is_set) CALL(archive_entry_mtime) CALL(archive_entry_mtime_nsec)         \
  CALL(archive_entry_pathname) CALL(archive_entry_pathname_utf8) CALL(archive_entry_pathname_w)

struct Libarchive {
#define VANTREL_LIBARCHIVE_FIELD(name) decltype(&::name) name = nullptr;
  VANTREL_LIBARCHIVE_CALLS(VANTREL_LIBARCHIVE_FIELD)
#undef VANTREL_LIBARCHIVE_FIELD
};

// The table, libarchive loaded the first time. Raises Error saying what is missing when it
// cannot be loaded; the next call tries again.
const Libarchive& Lib();

}  // namespace vantrel::archive
