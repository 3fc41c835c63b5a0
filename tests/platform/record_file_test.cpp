#include "platform/record_file.h"

#include <gtest/gtest.h>

#include <array>

#include "in_out_code.h"
#include "platform/errors.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::platform::testing::InOutCode;
using vantrel::testing::TempDir;

TEST(RecordFile, ReadsAndWritesAtOffsets) {
  TempDir dir;
  dir.write("Model.dat", "0123456789");
  {
    RecordFile file("MODEL.DAT", RecordFile::Mode::ReadWrite);
    std::array<char, 4> record{};
    file.ReadAt(3, record.data(), record.size());
    EXPECT_EQ(std::string(record.data(), record.size()), "3456");
    file.WriteAt(8, "ABCD", 4);  // runs past the end and extends the file
    file.WriteAt(0, "z", 1);
    file.Close();
  }
  EXPECT_EQ(dir.read("Model.dat"), "z1234567ABCD");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"Model.dat"});
}

TEST(RecordFile, ReadingPastTheEndIs100) {
  TempDir dir;
  dir.write("short.dat", "12345");
  RecordFile file("short.dat", RecordFile::Mode::ReadOnly);
  std::array<char, 4> record{};
  EXPECT_EQ(InOutCode([&] { file.ReadAt(2, record.data(), record.size()); }), 100);
  EXPECT_EQ(InOutCode([&] { file.ReadAt(5, record.data(), 1); }), 100);
  file.ReadAt(1, record.data(), record.size());
  EXPECT_EQ(std::string(record.data(), 4), "2345");
}

TEST(RecordFile, OpenErrorsAndReadOnlyWrites) {
  TempDir dir;
  dir.mkdir("folder");
  dir.write("data.dat", "abc");
  EXPECT_EQ(InOutCode([] { RecordFile f("missing.dat", RecordFile::Mode::ReadOnly); }), 2);
  EXPECT_FALSE(dir.exists("missing.dat"));  // never created
  EXPECT_EQ(InOutCode([] { RecordFile f("folder", RecordFile::Mode::ReadOnly); }), 5);
  EXPECT_EQ(InOutCode([] { RecordFile f("folder", RecordFile::Mode::ReadWrite); }), 5);
  RecordFile readOnly("data.dat", RecordFile::Mode::ReadOnly);
  // Writing through a descriptor opened for reading fails for root too.
  EXPECT_NE(InOutCode([&] { readOnly.WriteAt(0, "x", 1); }), 0);
  EXPECT_EQ(dir.read("data.dat"), "abc");
}

}  // namespace
}  // namespace vantrel::platform
