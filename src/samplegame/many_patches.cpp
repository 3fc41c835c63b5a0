#include <cstdio>
#include <string>

#include "samplegame/disk_writes.h"
#include "samplegame/sample_game.h"

namespace vantrel::samplegame {

namespace fs = std::filesystem;

namespace {

// Codes of object classes 04 to 0E, type indexes counting up: plausible and varied.
std::string ObjectCode(int n) {
  char code[8];
  std::snprintf(code, sizeof code, "%02X%02X", 4 + n % 11, (n / 11) % 256);
  return code;
}

std::string PatchFolderName(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "Patch %05d", n);
  return name;
}

void LayPatchFolder(const fs::path& work, int n, int files) {
  const std::string name = PatchFolderName(n);
  const std::string code = ObjectCode(n);
  const fs::path folder = work / name;
  MakeFolder(folder);
  for (int i = 0; i < files; ++i) {
    // The first is the shape file that makes the folder a patch folder; none of the others
    // matches its pattern.
    char file[32];
    if (i == 0) {
      std::snprintf(file, sizeof file, "%s9000.dml", code.c_str());
    } else if (i == 1) {
      std::snprintf(file, sizeof file, "%s9000.dts", code.c_str());
    } else {
      std::snprintf(file, sizeof file, "%st%03d.bmp", code.c_str(), i);
    }
    WriteBytes(folder / file, name + "/" + file + "\n");
  }
}

}  // namespace

void LayManyPatches(const std::string& workDir, int folders, int filesPerFolder, int markers, int otherFiles) {
  const fs::path work(workDir);
  MakeFolder(work);
  for (int n = 0; n < folders; ++n) LayPatchFolder(work, n, filesPerFolder);
  for (int n = 0; n < markers; ++n) {
    WriteBytes(work / (ObjectCode(n) + "_" + PatchFolderName(n) + ".aop"), "Active\r\n");
  }
  static constexpr const char* kExtensions[] = {".bmp", ".dml", ".dts", ".dat", ".txt"};
  for (int n = 0; n < otherFiles; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "%08X%s", n, kExtensions[n % 5]);
    WriteBytes(work / name, name);
  }
}

}  // namespace vantrel::samplegame
