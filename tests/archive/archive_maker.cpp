#include "archive_maker.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

#include "archive/archive_system.h"
#include "temp_dir.h"

namespace vantrel::testing {
namespace {

void Check(int status, ::archive* a) {
  if (status < ARCHIVE_WARN) FAIL() << archive_error_string(a);
}

// A name of ours (UTF-8) in wide characters: UTF-16 on Windows, UTF-32 elsewhere. libarchive
// takes wide names as they are on every system, where it would read narrow ones in the C
// runtime's locale, which on Windows holds ASCII alone.
std::wstring Wide(const std::string& utf8) {
  std::wstring wide;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const int extra = byte < 0x80 ? 0 : byte < 0xE0 ? 1 : byte < 0xF0 ? 2 : 3;
    char32_t code = extra == 0 ? byte : byte & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < utf8.size(); ++k) code = (code << 6) | (utf8[i + k] & 0x3F);
    i += static_cast<std::size_t>(extra) + 1;
    if (sizeof(wchar_t) == 2 && code > 0xFFFF) {
      code -= 0x10000;
      wide += static_cast<wchar_t>(0xD800 + (code >> 10));
      code = 0xDC00 + (code & 0x3FF);
    }
    wide += static_cast<wchar_t>(code);
  }
  return wide;
}

// libarchive's writes into the stream it was opened on.
la_ssize_t WriteToStream(::archive*, void* stream, const void* buffer, std::size_t length) {
  std::ofstream& out = *static_cast<std::ofstream*>(stream);
  out.write(static_cast<const char*>(buffer), static_cast<std::streamsize>(length));
  return out ? static_cast<la_ssize_t>(length) : -1;
}

void WriteWithLibarchive(const std::filesystem::path& file, Format format, const std::vector<Entry>& entries) {
  const archive::Utf8Names names;  // a 7z stores its names in UTF-16, made from ours
  // The stream opens any name a path holds on every system, where libarchive's own opening
  // takes names in the system's code page; it outlives the archive that writes into it.
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  ASSERT_TRUE(out) << file;
  std::unique_ptr<::archive, decltype(&archive_write_free)> a(archive_write_new(), &archive_write_free);
  if (format == Format::Zip) archive_write_set_format_zip(a.get());
  if (format == Format::SevenZip) archive_write_set_format_7zip(a.get());
  if (format == Format::TarGz) {
    archive_write_set_format_pax_restricted(a.get());
    archive_write_add_filter_gzip(a.get());
  }
  Check(archive_write_open(a.get(), &out, nullptr, WriteToStream, nullptr), a.get());
  for (const Entry& e : entries) {
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), &archive_entry_free);
    archive_entry_copy_pathname_w(entry.get(), Wide(e.path).c_str());
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
        archive_entry_copy_symlink_w(entry.get(), Wide(e.bytes).c_str());
        break;
      case Entry::Kind::Hardlink:
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_copy_hardlink_w(entry.get(), Wide(e.bytes).c_str());
        break;
    }
    Check(archive_write_header(a.get(), entry.get()), a.get());
    if (e.kind == Entry::Kind::File && !e.bytes.empty()) {
      ASSERT_EQ(archive_write_data(a.get(), e.bytes.data(), e.bytes.size()), static_cast<la_ssize_t>(e.bytes.size()))
          << archive_error_string(a.get());
    }
  }
  Check(archive_write_close(a.get()), a.get());
  out.close();
  EXPECT_TRUE(out) << file;
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
