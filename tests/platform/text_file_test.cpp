#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "in_out_code.h"
#include "platform/errors.h"
#include "platform/file_writer.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::CrLf;
using vantrel::platform::testing::InOutCode;
using vantrel::testing::TempDir;
using Lines = std::vector<std::string>;

TEST(TextFileWriter, WritesCrLfLinesAndEmptiesAnExistingFile) {
  TempDir dir;
  dir.write("Job.bat", "something much longer that was there before\r\n");
  {
    TextFileWriter out("job.BAT");  // an existing case variant is reused, not doubled
    out.WriteLine("@echo off");
    out.WriteLine("");
    out.WriteLine("copy \"a b\\x.vol\" y.vol");
    out.Close();
    EXPECT_FALSE(out.IsOpen());
  }
  EXPECT_EQ(dir.read("Job.bat"), CrLf({"@echo off", "", "copy \"a b\\x.vol\" y.vol"}));
  EXPECT_EQ(dir.names(), std::vector<std::string>{"Job.bat"});
}

TEST(TextFileWriter, LargeOutputSurvivesFlushesAndTheDestructor) {
  TempDir dir;
  std::string expected;
  {
    TextFileWriter out("big.txt");
    for (int i = 0; i < 20000; ++i) {
      std::string line = "line " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), '#');
      out.WriteLine(line);
      expected += line + "\r\n";
    }
  }  // never closed: the destructor writes what is left
  EXPECT_EQ(dir.read("big.txt"), expected);
}

TEST(TextFileWriter, ErrorNumbers) {
  TempDir dir;
  dir.mkdir("folder");
  EXPECT_EQ(InOutCode([] { TextFileWriter out("folder"); }), 5);
  EXPECT_EQ(InOutCode([] { TextFileWriter out("nowhere\\x.txt"); }), 3);
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to fill";
  TextFileWriter out("/dev/full");
  out.WriteLine("does not fit");
  EXPECT_EQ(InOutCode([&out] { out.Close(); }), 101);
  EXPECT_FALSE(out.IsOpen());
  EXPECT_EQ(InOutCode([&out] { out.WriteLine("after close"); }), 103);
}

TEST(TextFileWriter, FullDiskRaisesWhileWritingLongText) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to fill";
  TextFileWriter out("/dev/full");
  const std::string line(1000, 'x');
  EXPECT_EQ(InOutCode([&] {
              for (int i = 0; i < 200; ++i) out.WriteLine(line);
            }),
            101);
}

TEST(FileWriter, AppendsToOrReplacesTheFileFoundByCase) {
  TempDir dir;
  dir.write("Log.txt", "one\r\n");
  {
    FileWriter log("LOG.TXT", FileWriter::Mode::Append);
    log.Write("two");
    log.Close();
    EXPECT_EQ(InOutCode([&log] { log.Write("late"); }), 103);
  }
  EXPECT_EQ(dir.read("Log.txt"), "one\r\ntwo");
  FileWriter("log.txt").Write("new");  // written by the destructor's close
  EXPECT_EQ(dir.read("Log.txt"), "new");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"Log.txt"});
  EXPECT_EQ(InOutCode([] { FileWriter out("nowhere\\x.txt", FileWriter::Mode::Append); }), 3);
}

TEST(ReadTextLines, LineEnds) {
  TempDir dir;
  dir.write("crlf.txt", "a\r\nb b\r\n\r\nc\r\n");
  dir.write("lf.txt", "a\nb b\n\nc\n");
  dir.write("open.txt", "a\r\nlast");
  dir.write("lone.txt", "a\rb\n");
  dir.write("empty.txt", "");
  dir.write("blank.txt", "\r\n");
  EXPECT_EQ(ReadTextLines("CRLF.TXT"), (Lines{"a", "b b", "", "c"}));
  EXPECT_EQ(ReadTextLines("lf.txt"), (Lines{"a", "b b", "", "c"}));
  EXPECT_EQ(ReadTextLines("open.txt"), (Lines{"a", "last"}));
  EXPECT_EQ(ReadTextLines("lone.txt"), (Lines{"a\rb"}));  // a CR inside a line is text
  EXPECT_EQ(ReadTextLines("empty.txt"), Lines{});
  EXPECT_EQ(ReadTextLines("blank.txt"), Lines{""});
  // Joined, the same lines each end in LF.
  for (const char* file : {"CRLF.TXT", "lf.txt", "open.txt", "lone.txt", "empty.txt", "blank.txt"}) {
    std::string joined;
    for (const std::string& line : ReadTextLines(file)) joined += line + "\n";
    EXPECT_EQ(ReadTextJoined(file), joined) << file;
  }
}

TEST(ReadTextLines, ErrorNumbers) {
  TempDir dir;
  dir.mkdir("folder");
  EXPECT_EQ(InOutCode([] { ReadTextLines("missing.txt"); }), 2);
  EXPECT_EQ(InOutCode([] { ReadTextLines("folder"); }), 5);
  EXPECT_EQ(InOutCode([] { ReadTextLines("missing\\x.txt"); }), 3);  // the folder is missing
  EXPECT_EQ(InOutCode([] { ReadTextJoined("missing.txt"); }), 2);
}

}  // namespace
}  // namespace vantrel::platform
