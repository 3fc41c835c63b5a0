#include "archive_maker.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "temp_dir.h"

namespace vantrel::testing {
namespace {

void Check(int status, archive* a) {
  if (status < ARCHIVE_WARN) FAIL() << archive_error_string(a);
}

void WriteWithLibarchive(const std::filesystem::path& file, Format format, const std::vector<Entry>& entries) {
  std::unique_ptr<archive, decltype(&archive_write_free)> a(archive_write_new(), &archive_write_free);
  if (format == Format::Zip) archive_write_set_format_zip(a.get());
  if (format == Format::SevenZip) archive_write_set_format_7zip(a.get());
  if (format == Format::TarGz) {
    archive_write_set_format_pax_restricted(a.get());
    archive_write_add_filter_gzip(a.get());
  }
  Check(archive_write_open_filename(a.get(), file.c_str()), a.get());
  for (const Entry& e : entries) {
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), &archive_entry_free);
    archive_entry_set_pathname(entry.get(), e.path.c_str());
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_mtime(entry.get(), 1700000000, 0);
    switch (e.kind) {
      case Entry::Kind::File:
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_size(entry.get(), static_cast<la_int64_t>(e.bytes.size()));
        break;
      case Entry::Kind::Folder:
        archive_entry_set_filetype(entry.get(), AE_IFDIR);
        archive_entry_set_perm(entry.get(), 0755);
        break;
      case Entry::Kind::Symlink:
        archive_entry_set_filetype(entry.get(), AE_IFLNK);
        archive_entry_set_symlink(entry.get(), e.bytes.c_str());
        break;
      case Entry::Kind::Hardlink:
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_hardlink(entry.get(), e.bytes.c_str());
        break;
    }
    Check(archive_write_header(a.get(), entry.get()), a.get());
    if (e.kind == Entry::Kind::File && !e.bytes.empty()) {
      ASSERT_EQ(archive_write_data(a.get(), e.bytes.data(), e.bytes.size()), static_cast<la_ssize_t>(e.bytes.size()))
          << archive_error_string(a.get());
    }
  }
  Check(archive_write_close(a.get()), a.get());
}

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void Put(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A block: its CRC (the low half of the CRC-32 of all that follows it) and the rest.
std::string Block(const std::string& afterCrc) {
  std::string block;
  Put(block, Crc32(afterCrc) & 0xFFFF, 2);
  return block + afterCrc;
}

// Marker, main header, one stored file header and its bytes per file, end of archive.
// Names are written with "\" as an archiver on Windows writes them.
std::string RarBytes(const std::vector<Entry>& entries) {
  std::string out("Rar!\x1a\x07\x00", 7);
  std::string main;
  Put(main, 0x73, 1);
  Put(main, 0, 2);
  Put(main, 13, 2);
  Put(main, 0, 6);
  out += Block(main);
  for (const Entry& e : entries) {
    EXPECT_EQ(e.kind, Entry::Kind::File) << "the rar writer here writes files only";
    std::string name = e.path;
    for (char& c : name) c = c == '/' ? '\\' : c;
    std::string head;
    Put(head, 0x74, 1);
    Put(head, 0x8000, 2);                  // a long block: the data follows the header
    Put(head, static_cast<std::uint32_t>(32 + name.size()), 2);
    Put(head, static_cast<std::uint32_t>(e.bytes.size()), 4);  // packed
    Put(head, static_cast<std::uint32_t>(e.bytes.size()), 4);  // unpacked
    Put(head, 0, 1);                       // made on MS-DOS
    Put(head, Crc32(e.bytes), 4);
    Put(head, 0x21 << 16, 4);              // 1 January 1980, DOS time
    Put(head, 20, 1);                      // version needed
    Put(head, 0x30, 1);                    // stored
    Put(head, static_cast<std::uint32_t>(name.size()), 2);
    Put(head, 0x20, 4);                    // the archive attribute
    out += Block(head + name) + e.bytes;
  }
  std::string end;
  Put(end, 0x7B, 1);
  Put(end, 0x4000, 2);
  Put(end, 7, 2);
  return out + Block(end);
}

}  // namespace

const char* ExtensionOf(Format format) {
  switch (format) {
    case Format::Zip: return ".zip";
    case Format::SevenZip: return ".7z";
    case Format::TarGz: return ".tar.gz";
    case Format::Rar: return ".rar";
  }
  return "";
}

void MakeArchive(const std::filesystem::path& file, Format format, const std::vector<Entry>& entries) {
  if (format == Format::Rar) {
    WriteFileBytes(file, RarBytes(entries));
  } else {
    WriteWithLibarchive(file, format, entries);
  }
}

}  // namespace vantrel::testing
