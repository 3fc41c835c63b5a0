#include "samplegame/sample_game.h"

#include <initializer_list>
#include <string>
#include <system_error>

#include "platform/errors.h"
#include "samplegame/disk_writes.h"

namespace vantrel::samplegame {

namespace fs = std::filesystem;

namespace {

// Left in the game folder so that a later run knows it may empty the folder again.
constexpr char kStamp[] = ".vantrel-sample-game";

void ClaimGameFolder(const fs::path& game) {
  MakeFolder(game);
  if (!fs::is_empty(game) && !fs::is_regular_file(game / kStamp)) {
    throw Error(game.string() + " is not empty and was not laid out as a sample game; it is left as it is");
  }
  // Emptied, not overwritten: markers, job scripts and copies left by earlier activations
  // would otherwise survive a second run.
  for (const auto& entry : fs::directory_iterator(game)) {
    std::error_code ec;
    fs::remove_all(entry.path(), ec);
    if (ec) throw Error("cannot remove " + entry.path().string() + ": " + ec.message());
  }
  WriteBytes(game / kStamp, "Laid out by vantrel-samplegame, which empties this folder when run again.\n");
}

void LayArchives(const fs::path& folder, std::string_view owner, std::initializer_list<const char*> names) {
  MakeFolder(folder);
  for (const char* name : names) {
    WriteBytes(folder / name, RepeatToSize(std::string(owner) + " archive " + name + "\n", 1024));
  }
}

// Small files whose contents name their folder and file, so every copy can be traced.
void LayPatchFiles(const fs::path& folder, std::initializer_list<const char*> names) {
  MakeFolder(folder);
  for (const char* name : names) WriteBytes(folder / name, folder.filename().string() + "/" + name + "\n");
}

void LayModelFiles(const fs::path& folder, ModelCopy copy) {
  for (const ModelFile& file : kModelFiles) WriteModelFile(folder / file.name, copy, file);
}

// A build without libjpeg lays the game without its previews: everything else is the same.
void LayPicture(const fs::path& work, const SamplePicture& picture) {
  if (CanWriteJpeg()) WriteJpeg(work / picture.path, picture.look);
}

void LaySupportFolder(const fs::path& work) {
  const fs::path support = work / kSupportFolder;
  MakeFolder(support);
  LayModelFiles(support, ModelCopy::Stock);
  // Default damage tables for the aircraft type indexes of the sample patches.
  for (const char* index : {"1F", "11"}) {
    const std::string name = std::string(index) + "damage.dat";
    WriteBytes(support / name, RepeatToSize("stock damage table " + name + "\n", 512));
  }
  LayPicture(work, kDefaultPreview);
}

void LayPatchFolders(const fs::path& work) {
  const fs::path aircraft = work / kAircraftPatch;
  LayPatchFiles(aircraft, {"031F9000.dml", "031F9000.dts", "031Ftex1.bmp", "win01F.bmp", "win11F.bmp", "str01F.bmp",
                           "planep1F.bmp", "1Fdamage.dat"});
  WriteModelFile(aircraft / "fmparam3.dat", ModelCopy::Patch, kModelFiles[2]);
  LayPicture(work, kAircraftPreview);

  LayPatchFiles(work / kObjectPatch, {"060E9000.dml", "060E9000.dts", "060Etex1.bmp", "notes.txt"});
  LayPatchFiles(work / kVolumePatch, {"00999000.dml"});
  LayArchives(work / kVolumePatch, kVolumePatch, {"RB.VOL", "3DSpring.vol"});

  LayPatchFiles(work / kTwoPicturePatch, {"03119000.dml", "03119000.dts", "0311tex1.bmp"});
  LayPicture(work, kFirstCamelPreview);
  LayPicture(work, kSecondCamelPreview);
}

}  // namespace

void LaySampleGame(const std::string& dir) {
  const fs::path game(dir);
  ClaimGameFolder(game);
  LayArchives(game, "game", {"rb.vol", "rbshell.vol", "rbtest.vol", "lowres.vol"});
  LayArchives(game / "Multi", "game", {"rbmulti.vol", "rbmmulti.vol"});
  LayArchives(game / "3dpatch", "game", {"3dpatch.vol", "3dspring.vol", "3dwinter.vol", "3dfall.vol"});
  MakeFolder(game / "Shellpat");

  const fs::path work = game / kWorkingFolder;
  MakeFolder(work);
  LayModelFiles(work, ModelCopy::Working);
  LaySupportFolder(work);
  LayPatchFolders(work);
}

}  // namespace vantrel::samplegame
