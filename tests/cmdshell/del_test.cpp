#include <gtest/gtest.h>

#include <filesystem>

#include "shell_run.h"
#include "temp_dir.h"

namespace vantrel::cmdshell {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

struct WildcardRow {
  const char* pattern;
  std::vector<std::string> deleted;
  std::vector<std::string> kept;
};

TEST(Del, FollowsTheWildcardTable) {
  const WildcardRow rows[] = {
      {"060E????.dml", {"060E9000.dml", "060E9.dml", "060E.dml"}, {"060E12345.dml", "060F9000.dml"}},
      {"????9000.dml", {"03119000.dml", "03ab9000.DML"}, {"9000.dml", "0319000.dmlx"}},
      {"*.aop", {"0309_my plane.aop", "X.AOP"}, {"x.aopx", "aop"}},
      {"win?05??.bmp", {"win005.bmp", "winA05xy.bmp"}, {"win05.bmp", "winA06xy.bmp", "winA05xyz.bmp"}},
      {"*.", {"noext", "NOEXT2"}, {"with.ext"}},
  };
  for (const WildcardRow& row : rows) {
    TempDir dir;
    for (const auto& name : row.deleted) dir.write(name, "x");
    for (const auto& name : row.kept) dir.write(name, "x");
    const ShellRun run = RunScript({std::string("del ") + row.pattern});
    for (const auto& name : row.deleted) EXPECT_FALSE(dir.exists(name)) << row.pattern << " left " << name;
    for (const auto& name : row.kept) EXPECT_TRUE(dir.exists(name)) << row.pattern << " took " << name;
    EXPECT_EQ(run.status, 0) << run.console;
  }
}

TEST(Del, EveryFileAsksFirstAndNeverTakesFolders) {
  TempDir dir;
  dir.write("Pat/a.dml", "x");
  dir.write("Pat/noext", "x");
  dir.write("Pat/Inner/b.dml", "x");
  // Input at its end answers no.
  const ShellRun asked = RunScript({"del Pat\\*.*"});
  EXPECT_NE(asked.console.find((dir.path() / "Pat/*.*").string() + ", Are you sure (Y/N)? "), std::string::npos)
      << asked.console;
  EXPECT_TRUE(dir.exists("Pat/a.dml"));

  const ShellRun yes = RunScript({"del pat"}, "y\n");  // a folder stands for every file in it
  EXPECT_FALSE(dir.exists("Pat/a.dml"));
  EXPECT_FALSE(dir.exists("Pat/noext"));
  EXPECT_TRUE(dir.exists("Pat/Inner/b.dml"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "Pat"));

  dir.write("Pat/c.dml", "x");
  RunScript({"echo y| del pat\\*"});  // the answer comes through the pipe
  EXPECT_FALSE(dir.exists("Pat/c.dml"));
  EXPECT_TRUE(dir.exists("Pat/Inner"));
}

TEST(Del, ReportsWhatItCannotFindOrRemove) {
  TempDir dir;
  dir.write("0305abcd.dml/inside.dml", "folder named like a shape");
  dir.write("03059000.dml", "shape");
  dir.write(".0305hide.dml", "hidden");
  dir.write("0305a:b.dml", "a name Windows cannot hold");
  dir.write("ro.dml", "read-only");
  fs::permissions(dir.path() / "ro.dml", fs::perms::owner_read);

  const ShellRun run = RunScript({
      "del 0305????.dml",
      "del 0305*.dml",
      "del .0305hide.dml",
      "del 0305a:b.dml",
      "del ro.dml",
      "erase nofolder\\x.dml",
  });
  EXPECT_FALSE(dir.exists("03059000.dml"));
  EXPECT_TRUE(dir.exists("0305abcd.dml/inside.dml"));
  EXPECT_TRUE(dir.exists(".0305hide.dml"));
  EXPECT_TRUE(dir.exists("0305a:b.dml"));
  EXPECT_TRUE(dir.exists("ro.dml"));
  const std::string here = dir.path().string();
  EXPECT_TRUE(Shows(run, "Could Not Find " + here + "/0305*.dml"));
  EXPECT_TRUE(Shows(run, "Could Not Find " + here + "/.0305hide.dml"));
  EXPECT_TRUE(Shows(run, "The filename, directory name, or volume label syntax is incorrect."));
  EXPECT_NE(run.console.find(here + "/ro.dml\r\nAccess is denied.\r\n"), std::string::npos) << run.console;
  EXPECT_TRUE(Shows(run, "The system cannot find the path specified."));
  EXPECT_EQ(run.status, 1);

  // Nothing to delete is no failure when the folder is there.
  EXPECT_EQ(RunScript({"del 0601????.dml"}).status, 0);
  // /F takes read-only files too.
  RunScript({"del /F ro.dml"});
  EXPECT_FALSE(dir.exists("ro.dml"));
}

}  // namespace
}  // namespace vantrel::cmdshell
