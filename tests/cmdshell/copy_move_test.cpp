#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/files.h"
#include "shell_run.h"
#include "temp_dir.h"

namespace vantrel::cmdshell {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

constexpr const char* kCopied = "        1 file(s) copied.";
constexpr const char* kNoneCopied = "        0 file(s) copied.";

TEST(Copy, ReplacesTheTargetAndKeepsTheSourceTime) {
  TempDir dir;
  dir.write("Big Tank/060E9000.dml", "new shape");
  dir.write("061A9000.dml", "old shape, longer than the new one");
  dir.mkdir("Sub");
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 300);
  fs::last_write_time(dir.path() / "Big Tank/060E9000.dml", old);

  const ShellRun run = RunScript({
      "copy \"Big Tank\\060E9000.dml\"  .\\061A9000.dml",
      "copy \"Big Tank\\060E9000.dml\" sub",  // a folder target takes the source's name
  });
  EXPECT_EQ(dir.read("061A9000.dml"), "new shape");
  EXPECT_EQ(fs::last_write_time(dir.path() / "061A9000.dml"), old);
  EXPECT_EQ(dir.read("Sub/060E9000.dml"), "new shape");
  EXPECT_TRUE(Shows(run, kCopied));
  EXPECT_EQ(run.status, 0);
}

TEST(Copy, FailuresAreReportedAndTheScriptGoesOn) {
  TempDir dir;
  dir.write("a.dml", "a");
  dir.write("b.dml", "b");
  const ShellRun run = RunScript({
      "copy missing.dml x.dml",
      "copy nofolder\\a.dml x.dml",
      "copy a.dml nofolder\\x.dml",
      "copy *.dml one.dml",  // would join files: refused
      "copy a.dml A.DML",
      "copy",
      "echo still running",
  });
  const std::string expected[] = {
      "The system cannot find the file specified.\r\n" + std::string(kNoneCopied),
      "The system cannot find the path specified.\r\n" + std::string(kNoneCopied),
      "The system cannot find the path specified.\r\n" + std::string(kNoneCopied),
      "Cannot copy several files into one file: the target must be a folder.\r\n" + std::string(kNoneCopied),
      "The file cannot be copied onto itself.\r\n" + std::string(kNoneCopied),
      "The syntax of the command is incorrect.",
      "still running",
  };
  std::size_t at = 0;
  for (const std::string& text : expected) {
    const std::size_t found = run.console.find(text + "\r\n", at);
    ASSERT_NE(found, std::string::npos) << "missing or out of order: " << text << "\n" << run.console;
    at = found;
  }
  EXPECT_FALSE(dir.exists("x.dml"));
  EXPECT_FALSE(dir.exists("one.dml"));
  EXPECT_FALSE(dir.exists("nofolder"));
  EXPECT_EQ(dir.read("a.dml"), "a");
  EXPECT_EQ(run.status, 1);  // echo leaves the errorlevel of the failed copy standing
}

TEST(Copy, WildcardSourceIntoAFolderNamesEachFile) {
  TempDir dir;
  dir.write("MyDr1/win01F.bmp", "w");
  dir.write("MyDr1/win11Fab.bmp", "x");
  dir.write("MyDr1/.win21F.bmp", "hidden");
  dir.write("MyDr1/str01F.bmp", "s");
  dir.mkdir("out");
  const ShellRun run = RunScript({"copy MyDr1\\win?1F*.bmp out\\"});
  EXPECT_TRUE(Shows(run, "MyDr1\\win01F.bmp"));
  EXPECT_TRUE(Shows(run, "MyDr1\\win11Fab.bmp"));
  EXPECT_TRUE(Shows(run, "        2 file(s) copied."));
  EXPECT_EQ(dir.read("out/win11Fab.bmp"), "x");
  EXPECT_FALSE(dir.exists("out/.win21F.bmp"));
  EXPECT_FALSE(dir.exists("out/str01F.bmp"));
}

TEST(Copy, ReadOnlyTargetIsNotReplaced) {
  TempDir dir;
  dir.write("new.dml", "new");
  dir.write("kept.dml", "kept");
  fs::permissions(dir.path() / "kept.dml", fs::perms::owner_read);
  const ShellRun run = RunScript({"copy new.dml kept.dml", "echo OK > kept.dml"});
  EXPECT_EQ(dir.read("kept.dml"), "kept");
  EXPECT_NE(run.console.find("Access is denied.\r\n" + std::string(kNoneCopied)), std::string::npos) << run.console;
  EXPECT_EQ(run.status, 1);  // the refused redirection sets it too
}

TEST(Copy, DeniedWriteFromTheFileSystemIsReported) {
  TempDir dir;
  dir.write("new.dml", "new");
  dir.write("locked.dml", "locked");
  const std::string locked = (dir.path() / "locked.dml").string();
  ShellRun run;
  {
    testing::Immutable immutable(locked);
    if (!immutable.Set()) GTEST_SKIP() << "chattr +i is not available here, so no write can be refused to root";
    run = RunScript({"copy new.dml locked.dml", "del locked.dml"});
  }
  EXPECT_EQ(dir.read("locked.dml"), "locked");
  EXPECT_NE(run.console.find("Access is denied.\r\n" + std::string(kNoneCopied)), std::string::npos) << run.console;
  EXPECT_NE(run.console.find(locked + "\r\nAccess is denied.\r\n"), std::string::npos) << run.console;
}

TEST(Copy, ParentFolderTargetsAreFoundWithoutRegardToCase) {
  TempDir dir;
  dir.write("Multi/keep.txt", "");
  dir.write("3DPatch/keep.txt", "");
  dir.write("work/SpringMaps/RB.VOL", "archive");
  dir.write("work/SpringMaps/3DSpring.vol", "spring");
  platform::ChangeDirectory("work");
  const ShellRun run = RunScript({
      "copy SpringMaps\\rb.vol ..\\multi\\rb.vol",
      "copy SpringMaps\\3dspring.vol ..\\3dpatch\\3dspring.vol",
      "copy SpringMaps\\rb.vol ..\\missing\\rb.vol",
  });
  EXPECT_EQ(dir.read("Multi/rb.vol"), "archive");
  EXPECT_EQ(dir.read("3DPatch/3dspring.vol"), "spring");
  EXPECT_FALSE(dir.exists("multi"));
  EXPECT_FALSE(dir.exists("missing"));
  EXPECT_TRUE(Shows(run, "The system cannot find the path specified."));

  const ShellRun removal = RunScript({"del ..\\multi\\rb.vol", "del  ..\\3dpatch\\3dspring.vol"});
  EXPECT_FALSE(dir.exists("Multi/rb.vol"));
  EXPECT_FALSE(dir.exists("3DPatch/3dspring.vol"));
  EXPECT_EQ(removal.status, 0);
}

TEST(Names, QuotesCarryBlanksAndSpecialCharacters) {
  TempDir dir;
  const std::string odd = "A & B ^ (1) !x, y;z=w \xE9\xFF.dml";
  dir.write("Pat (2)/" + odd, "odd");
  dir.write("50%off.dml", "percent");
  const ShellRun run = RunScript({
      "copy \"Pat (2)\\" + odd + "\"  \"0601 & \xE9.dml\"",
      "if exist \"0601 & \xE9.dml\" echo found > \"m a^p (1).aop\"",
      "copy \"50%%off.dml\" \"a%%b.dml\"",
      "del \"0601 & \xE9.dml\"",
  });
  EXPECT_FALSE(dir.exists("0601 & \xE9.dml"));  // copied, then deleted
  EXPECT_EQ(dir.read("m a^p (1).aop"), "found \r\n");
  EXPECT_EQ(dir.read("a%b.dml"), "percent");
  EXPECT_EQ(dir.read("Pat (2)/" + odd), "odd");
  EXPECT_EQ(run.status, 0) << run.console;
}

TEST(Move, ReplacesTheTargetAndReportsIt) {
  TempDir dir;
  dir.write("T x.dml.orig", "original");
  dir.write("T x.dml", "patched");
  const ShellRun run = RunScript({"if exist \"T x.dml.orig\" move \"T x.dml.orig\" \"T x.dml\"", "move nothere x"});
  EXPECT_EQ(dir.read("T x.dml"), "original");
  EXPECT_FALSE(dir.exists("T x.dml.orig"));
  EXPECT_TRUE(Shows(run, "        1 file(s) moved."));
  EXPECT_TRUE(Shows(run, "The system cannot find the file specified."));
  EXPECT_EQ(run.status, 1);
}

}  // namespace
}  // namespace vantrel::cmdshell
