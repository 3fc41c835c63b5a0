#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "shell_run.h"
#include "temp_dir.h"

namespace vantrel::cmdshell {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(Console, ShowsEachCommandThenItsMessages) {
  TempDir dir;
  dir.write("Big Truck/0602x.dml", "shape");
  const ShellRun run = RunScript({
      "echo deleting 0601",
      "del 0601????.dml",
      "del \"0601*.aop\"",
      "copy \"Big Truck\\0602x.dml\"  .\\0601x.dml",
      "echo Active > \"0601_Big Truck.aop\"",
      "",
      "@echo quiet",
      "if exist job.bat del job.bat",
      "Pause",
  });
  const std::string p = "\r\n" + platform::CurrentDirectory() + ">";
  const std::string here = platform::CurrentDirectory() + "/";
  EXPECT_EQ(run.console, p + "echo deleting 0601 \r\ndeleting 0601\r\n" +                   //
                             p + "del 0601????.dml \r\nCould Not Find " + here + "0601????.dml\r\n" +  //
                             p + "del \"0601*.aop\" \r\nCould Not Find " + here + "0601*.aop\r\n" +    //
                             p + "copy \"Big Truck\\0602x.dml\"  .\\0601x.dml \r\n        1 file(s) copied.\r\n" +
                             p + "echo Active  1>\"0601_Big Truck.aop\" \r\n" +  //
                             "quiet\r\n" +                                         //
                             p + "if exist job.bat del job.bat \r\n" +             //
                             p + "Pause \r\nPress any key to continue . . . ");
  EXPECT_EQ(dir.read("0601_Big Truck.aop"), "Active \r\n");
  // The script deleted itself and still ran its last line; every command did its work
  // ("Could Not Find" is no failure, nor a pause that finds no input).
  EXPECT_FALSE(dir.exists("job.bat"));
  EXPECT_EQ(run.status, 0);
}

TEST(Echo, WritesFilesAndTheConsoleAsCmdDoes) {
  TempDir dir;
  const ShellRun run = RunScript({
      "echo OK > 0099_SpringMaps_vol_patch.aop",
      "echo one>>log.txt",
      "echo  two  >>LOG.TXT",
      "echo x > NUL",
      "echo.",
      "echo",
      "echo off",
      "echo",
      "echo not shown as a command",
      "echo x > nofolder\\f.txt",
      "ECHO ON",
  });
  EXPECT_EQ(dir.read("0099_SpringMaps_vol_patch.aop"), "OK \r\n");
  EXPECT_EQ(dir.read("log.txt"), "one\r\n two  \r\n");
  EXPECT_FALSE(dir.exists("NUL"));
  EXPECT_NE(run.console.find(">echo. \r\n\r\n"), std::string::npos) << run.console;
  EXPECT_TRUE(Shows(run, "ECHO is on."));
  EXPECT_TRUE(Shows(run, "ECHO is off."));
  EXPECT_EQ(run.console.find(">echo not shown"), std::string::npos);
  EXPECT_TRUE(Shows(run, "not shown as a command"));
  EXPECT_TRUE(Shows(run, "The system cannot find the path specified."));
  EXPECT_EQ(run.console.find(">ECHO ON"), std::string::npos);
  EXPECT_EQ(run.status, 1);
}

TEST(If, TestsFilesAndFoldersAndNests) {
  TempDir dir;
  dir.write("T x.dml", "patched");
  dir.write(".hidden", "");
  dir.mkdir("Folder");
  const std::string backup = "if exist \"T x.dml\" if not exist \"T x.dml.orig\" copy \"T x.dml\" \"T x.dml.orig\"";
  RunScript({backup});
  EXPECT_EQ(dir.read("T x.dml.orig"), "patched");
  dir.write("T x.dml", "patched again");
  RunScript({backup});  // an existing backup is never overwritten
  EXPECT_EQ(dir.read("T x.dml.orig"), "patched");

  const ShellRun run = RunScript({
      "if exist folder echo folder found",
      "if exist .hidden echo hidden found",
      // A wildcard sees folders and hidden entries too, as cmd's own search does.
      "if exist Fold* echo folder pattern found",
      "if exist .hid* echo hidden pattern found",
      "if exist \"t x.dml\" echo quoted found",
      "if exist t*.bmp echo wrong pattern",
      "IF EXIST t*.dml echo pattern found",
      "if not exist missing.dml echo missing found & echo second command of the if",
      "if exist missing.dml echo wrong & echo wrong too",
      "if exist folder\\missing.dml echo wrong in folder",
  });
  for (const char* line : {"folder found", "hidden found", "folder pattern found", "hidden pattern found",
                           "quoted found", "pattern found", "missing found ", "second command of the if"}) {
    EXPECT_TRUE(Shows(run, line)) << line;
  }
  EXPECT_FALSE(Shows(run, "wrong pattern"));
  EXPECT_FALSE(Shows(run, "wrong"));
  EXPECT_FALSE(Shows(run, "wrong too"));
  EXPECT_FALSE(Shows(run, "wrong in folder"));
}

TEST(Errorlevel, UnknownCommandsFailuresAndConditions) {
  TempDir dir;
  dir.write("a.dml", "a");
  const ShellRun run = RunScript({
      "frobnicate a b",
      "if errorlevel 9009 echo level 9009",
      "copy missing.dml x || echo copy failed",
      "copy a.dml b.dml && echo copy worked",
      "copy a.dml c.dml || echo never",
      "if errorlevel 1 echo never either",
      "echo.x",
      "copy/y a.dml d.dml",
      "\"quoted program\" x",
  });
  EXPECT_TRUE(Shows(run, "'frobnicate' is not recognized as an internal or external command,\r\n"
                         "operable program or batch file."));
  EXPECT_TRUE(Shows(run, "'\"quoted program\"' is not recognized as an internal or external command,"));
  for (const char* line : {"level 9009", "copy failed", "copy worked", "x"}) EXPECT_TRUE(Shows(run, line)) << line;
  EXPECT_FALSE(Shows(run, "never"));
  EXPECT_FALSE(Shows(run, "never either"));
  EXPECT_TRUE(dir.exists("d.dml"));
  EXPECT_EQ(run.status, 255);  // 9009 does not fit an exit status
}

TEST(Pause, WaitsForOneKeyOrReturnsAtTheEndOfInput) {
  TempDir dir;
  const ShellRun keyed = RunScript({"@pause", "@echo after"}, "k");
  EXPECT_EQ(keyed.console, "Press any key to continue . . . \r\nafter\r\n");
  EXPECT_EQ(keyed.status, 0);

  const ShellRun ended = RunScript({"@pause", "@pause"}, "k");
  EXPECT_EQ(ended.console, "Press any key to continue . . . \r\nPress any key to continue . . . ");
  EXPECT_EQ(ended.status, 0);  // errorlevel 1, yet nothing failed

  EXPECT_EQ(RunScript({"@echo x| pause"}).status, 0);  // the key comes through the pipe
}

TEST(Lines, MalformedLinesAreReportedAndTheScriptGoesOn) {
  TempDir dir;
  const ShellRun run = RunScript({
      "& del x",
      "echo x >",
      "if exist",
      "copy /Q a b",
      "echo " + std::string(9000, 'x'),
      "echo end",
  });
  EXPECT_TRUE(Shows(run, "& was unexpected at this time."));
  EXPECT_TRUE(Shows(run, "The syntax of the command is incorrect."));
  EXPECT_TRUE(Shows(run, "Invalid switch - /Q"));
  EXPECT_TRUE(Shows(run, "The input line is too long."));
  EXPECT_TRUE(Shows(run, "end"));
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir.path())) left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{"job.bat"});  // nothing was created on the way
}

}  // namespace
}  // namespace vantrel::cmdshell
