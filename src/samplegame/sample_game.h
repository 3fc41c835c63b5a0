#pragma once
// A small sample game laid out on disk, for the README's run command, tests and benchmarks.
#include <filesystem>
#include <functional>
#include <string>

#include "samplegame/model_files.h"
#include "samplegame/picture.h"

namespace vantrel::samplegame {

// Folders of the game folder, and the patch folders inside the working folder.
inline constexpr char kWorkingFolder[] = "Simpatch";
inline constexpr char kSupportFolder[] = "vantrel-files";
inline constexpr char kAircraftPatch[] = "FE2b Fighter";  // code 031F, brings fmparam3.dat
inline constexpr char kObjectPatch[] = "Big Tank";        // code 060E, no preview of its own
inline constexpr char kVolumePatch[] = "SpringMaps";      // code 0099, RB.VOL and 3DSpring.vol
inline constexpr char kTwoPicturePatch[] = "Camel Views";  // code 0311, two previews, no damage table

// The previews, by path relative to the working folder ("/" separated). Two widths are not
// multiples of four, so the rows of their RGB888 images carry padding.
struct SamplePicture {
  const char* path;
  PictureSpec look;
};
inline constexpr SamplePicture kAircraftPreview{"FE2b Fighter/fe2b.jpg", {300, 160, false, {200, 40, 30}, {240, 230, 200}, 20}};
inline constexpr SamplePicture kFirstCamelPreview{"Camel Views/camel_a.jpg", {230, 140, false, {40, 140, 60}, {250, 250, 250}, 20}};
inline constexpr SamplePicture kSecondCamelPreview{"Camel Views/camel_b.jpg", {150, 100, true, {30, 30, 30}, {220, 220, 220}, 20}};
inline constexpr SamplePicture kDefaultPreview{"vantrel-files/aplane.jpg", {200, 120, false, {30, 60, 160}, {220, 220, 220}, 20}};

// Writes the preview picture `look` to `file`.
using PictureWriter = std::function<void(const std::filesystem::path& file, const PictureSpec& look)>;

// Lays out the game folder `dir` (created when missing): the game's archives, its folders
// Multi, 3dpatch, Shellpat and the working folder Simpatch with model files, support folder
// and patch folders. A folder laid out before is emptied first, so a second run gives the
// same content; a folder that is not empty and was not laid out by us is left alone and
// raises vantrel::Error. The previews are compressed by WriteJpeg, which builds with libjpeg
// have (picture.cpp).
void LaySampleGame(const std::string& dir);
// The same with the previews written by `writePicture`: where libjpeg is missing (the
// Windows build), for tests that look only at which picture is chosen, not at its pixels.
void LaySampleGame(const std::string& dir, const PictureWriter& writePicture);

// Adds to `workDir` (created when missing) `folders` patch folders of `filesPerFolder` files
// each (one of them the shape file that makes the folder a patch folder), `markers`
// activation markers and `otherFiles` plain files that belong to no patch.
void LayManyPatches(const std::string& workDir, int folders, int filesPerFolder, int markers, int otherFiles);

}  // namespace vantrel::samplegame
