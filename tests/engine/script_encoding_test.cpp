// A name the job scripts' encoding cannot hold ends the job before anything is written,
// and the message names the patch folder. Linux's scripts are UTF-8 and hold every name,
// so there these cases are skipped; Windows' cmd reads its scripts in the OEM code page.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "engine/activation.h"
#include "engine_session.h"
#include "model_records_fixture.h"
#include "platform/errors.h"
#include "platform/script_encoding.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using namespace testing;  // the model files fixture

// A name the encoding cannot hold, when there is one: CJK and the euro sign are in neither
// code page 437 nor 850.
std::optional<std::string> UnwritableName() {
  for (const char* name : {"Tank \xE6\xB0\xB4", "Euro \xE2\x82\xAC"}) {
    if (!platform::ScriptEncodingHolds(name)) return std::string(name);
  }
  return std::nullopt;
}

// Every file below the working folder with its bytes.
std::map<std::string, std::string> Everything(const TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
    if (entry.is_regular_file()) files[Utf8Name(fs::relative(entry.path(), dir.path()))] = ReadFileBytes(entry.path());
  }
  return files;
}

std::string ErrorText(const std::function<void()>& job) {
  try {
    job();
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

TEST(ScriptEncoding, ANameTheScriptsCannotHoldIsRefusedBeforeAnythingIsWritten) {
  const std::optional<std::string> name = UnwritableName();
  if (!name) GTEST_SKIP() << "the scripts' encoding, " << platform::ScriptEncodingName() << ", holds every name";
  const std::string code = platform::ScriptEncodingName();
  const struct {
    const char* what;
    std::string patch;      // the Available patches line
    std::string slot;
    std::string folder;     // the patch folder laid
    std::string file;       // a file in it
    std::string message;
  } cases[] = {
      {"aircraft, the folder's name", "0311 " + *name, "0309", *name, "03119000.dml",
       "The patch folder's name cannot be written in a job script (" + code + "); rename the folder: " + *name},
      {"object, the folder's name", "060E " + *name, "0601", *name, "060E9000.dml",
       "The patch folder's name cannot be written in a job script (" + code + "); rename the folder: " + *name},
      {"volume, the folder's name", "0099 " + *name, "0601", *name, "rb.vol",
       "The patch folder's name cannot be written in a job script (" + code + "); rename the folder: " + *name},
      {"object, a file's name", "060E Tank", "0601", "Tank", "060E" + *name + ".bmp",
       "A file of the patch folder has a name that cannot be written in a job script (" + code +
           "); rename it: Tank\\060E" + *name + ".bmp"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    LayModelFiles(dir, {});
    dir.write(c.folder + "/" + c.file, "patch file");
    const auto before = Everything(dir);
    EngineSession e;
    e.s.fmdmChanging = true;  // the aircraft's records would be moved first
    e.SelectPatch(c.patch);
    e.SelectSlot(c.slot);
    EXPECT_EQ(ErrorText([&] { ActivateSelection(e.s); }), c.message) << c.what;
    EXPECT_EQ(Everything(dir), before) << c.what << ": something was written";
    EXPECT_TRUE(e.messages.empty()) << c.what << ": the shell was started";
  }
}

TEST(ScriptEncoding, AVolumeRemovalWhoseMarkerCannotBeNamedIsRefused) {
  const std::optional<std::string> name = UnwritableName();
  if (!name) GTEST_SKIP() << "the scripts' encoding, " << platform::ScriptEncodingName() << ", holds every name";
  TempDir dir;
  const std::string entry = "0099_" + *name + "_vol_patch";
  dir.write(entry + ".aop", "OK");
  const auto before = Everything(dir);
  EngineSession e;
  e.SelectActive(entry);
  EXPECT_EQ(ErrorText([&] { DeactivateSelection(e.s); }),
            "The active patch's name cannot be written in a job script (" + platform::ScriptEncodingName() +
                "); rename its marker: " + entry);
  EXPECT_EQ(Everything(dir), before);
}

}  // namespace
}  // namespace vantrel
