// Patches found in real archives of each format and unpacked into the working folder.
#include "archive/patch_archive.h"

#include <gtest/gtest.h>

#include "archive_fixture.h"
#include "catalogue/scan.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;
using archive::ExtractPatchFolder;
using archive::FindPatchFolders;
using archive::FoundPatch;

class PatchArchive : public ::testing::Test, public ArchiveFixture {};

const std::string kTexture = Varied(300000, 1);

TEST_F(PatchArchive, EachFormatGivesItsNestedPatchWithTheInnerLayoutAndNothingBesideIt) {
  for (Format format : {Format::Zip, Format::SevenZip, Format::TarGz, Format::Rar}) {
    SCOPED_TRACE(ExtensionOf(format));
    const std::string file = Archive("download", format,
                                     {{"Downloads/readme.txt", "not part of the patch"},
                                      {"Downloads/My Plane/03059000.dml", "shape"},
                                      {"Downloads/My Plane/Tex/planep05.bmp", kTexture}});
    const std::vector<FoundPatch> found = FindPatchFolders(file);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].innerPath, "Downloads/My Plane");
    EXPECT_EQ(found[0].defaultName, "My Plane");
    EXPECT_EQ(found[0].patchCode, "0305");
    EXPECT_EQ(found[0].unpackedSize, 5 + kTexture.size());

    std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;
    ExtractPatchFolder(file, found[0], "My Plane", [&](std::uint64_t done, std::uint64_t total) {
      steps.emplace_back(done, total);
    });
    EXPECT_EQ(WorkListing(), (std::set<std::string>{"My Plane", "My Plane/03059000.dml", "My Plane/Tex",
                                                    "My Plane/Tex/planep05.bmp", "vantrel.lock"}));
    EXPECT_EQ(dir.read("game/Work/My Plane/Tex/planep05.bmp"), kTexture);
    EXPECT_EQ(dir.read("game/Work/My Plane/03059000.dml"), "shape");
    // The bar starts empty, never goes back and ends full.
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps.front(), std::make_pair(std::uint64_t{0}, found[0].unpackedSize));
    EXPECT_EQ(steps.back(), std::make_pair(found[0].unpackedSize, found[0].unpackedSize));
    for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_LE(steps[i - 1].first, steps[i].first);

    // From then on it is an ordinary patch folder.
    Catalogue cat;
    ScanPatchFolders(cat);
    ASSERT_EQ(cat.objectTable.size(), 1u);
    EXPECT_EQ(cat.objectTable[0].folderName, "My Plane");
    EXPECT_EQ(cat.objectTable[0].patchCode, "0305");
    fs::remove_all(Work() / "My Plane");
    fs::remove(Work() / kScanListFile);
  }
}

TEST_F(PatchArchive, APatchAtTheTopOfTheArchiveIsNamedAfterTheArchive) {
  const std::string file = Archive("FE2b Fighter", Format::TarGz,
                                   {{"031F9000.dml", "shape"}, {"sub", "", Entry::Kind::Folder}, {"sub/x.bmp", "x"}});
  const std::vector<FoundPatch> found = FindPatchFolders(file);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].innerPath, "");
  EXPECT_EQ(found[0].defaultName, "FE2b Fighter");
  ExtractPatchFolder(file, found[0], found[0].defaultName);
  EXPECT_EQ(WorkListing(), (std::set<std::string>{"FE2b Fighter", "FE2b Fighter/031F9000.dml", "FE2b Fighter/sub",
                                                  "FE2b Fighter/sub/x.bmp", "vantrel.lock"}));
}

// A player's names beyond ASCII, in the archive's own name and in the patch's, are kept as
// they are: libarchive takes paths in the system's code page, ours are UTF-8.
TEST_F(PatchArchive, NamesBeyondAsciiAreKept) {
  const std::string cafe = "Caf\xc3\xa9";
  for (const Format format : {Format::Zip, Format::SevenZip, Format::TarGz}) {
    SCOPED_TRACE(ExtensionOf(format));
    const std::string file = Archive(cafe + " pack", format, {{cafe + "/03059000.dml", "shape"}});
    const std::vector<FoundPatch> found = FindPatchFolders(file);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].defaultName, cafe);
    ExtractPatchFolder(file, found[0], found[0].defaultName);
    const std::filesystem::path shape = Work() / std::u8string(u8"Caf\u00e9/03059000.dml");
    EXPECT_TRUE(std::filesystem::is_regular_file(shape));
    std::filesystem::remove_all(shape.parent_path());
  }
}

TEST_F(PatchArchive, LetterCaseIsIgnoredAsWindowsIgnoresIt) {
  // The shape in any case; two spellings of one folder are one folder; a shape name with
  // three characters before 9000 is no shape.
  const std::string file = Archive("cases", Format::Zip,
                                   {{"Plane/0a1b9000.DmL", "shape"},
                                    {"Plane/Tex/a.bmp", "a"},
                                    {"pLANE/TEX/b.bmp", "b"},
                                    {"Other/abc9000.dml", "no shape"}});
  const std::vector<FoundPatch> found = FindPatchFolders(file);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].patchCode, "0a1b");
  EXPECT_EQ(found[0].unpackedSize, 7u);
  ExtractPatchFolder(file, found[0], "Plane");
  EXPECT_EQ(WorkListing(), (std::set<std::string>{"Plane", "Plane/0a1b9000.DmL", "Plane/Tex", "Plane/Tex/a.bmp",
                                                  "Plane/Tex/b.bmp", "vantrel.lock"}));
}

TEST_F(PatchArchive, TwoPatchesInOneArchiveAreOfferedEachAndUnpackedApart) {
  const std::string file = Archive("pack", Format::SevenZip,
                                   {{"Pack/B/deep/060E9000.dml", "tank"},
                                    {"Pack/B/deep/060Etex1.bmp", "texture"},
                                    {"Pack/A/03059000.dml", "plane"}});
  const std::vector<FoundPatch> found = FindPatchFolders(file);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].innerPath, "Pack/A");
  EXPECT_EQ(found[0].unpackedSize, 5u);
  EXPECT_EQ(found[1].innerPath, "Pack/B/deep");
  EXPECT_EQ(found[1].defaultName, "deep");
  EXPECT_EQ(found[1].unpackedSize, 11u);
  for (const FoundPatch& patch : found) ExtractPatchFolder(file, patch, patch.defaultName);
  EXPECT_EQ(WorkListing(), (std::set<std::string>{"A", "A/03059000.dml", "deep", "deep/060E9000.dml",
                                                  "deep/060Etex1.bmp", "vantrel.lock"}));
}

TEST_F(PatchArchive, ANameTakenInAnyLetterCaseIsReportedAndWhatHasItIsKept) {
  const std::string file = Archive("plane", Format::Zip, {{"My Plane/03059000.dml", "shape"}});
  const FoundPatch patch = FindPatchFolders(file).at(0);
  dir.write("game/Work/my plane/keep.txt", "the player's");
  dir.write("game/Work/Taken", "a file");
  for (const char* name : {"My Plane", "TAKEN"}) {
    try {
      ExtractPatchFolder(file, patch, name);
      ADD_FAILURE() << name << " was unpacked over what had its name";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "There is already a file or folder named " + std::string(name) +
                                           " in the working folder.");
    }
  }
  EXPECT_EQ(dir.read("game/Work/my plane/keep.txt"), "the player's");
  EXPECT_EQ(dir.read("game/Work/Taken"), "a file");
  ExtractPatchFolder(file, patch, "My Plane 2");
  EXPECT_EQ(dir.read("game/Work/My Plane 2/03059000.dml"), "shape");
}

TEST_F(PatchArchive, ANameNoPatchFolderCanHaveIsRefused) {
  const std::string file = Archive("plane", Format::Zip, {{"My Plane/03059000.dml", "shape"}});
  const FoundPatch patch = FindPatchFolders(file).at(0);
  for (const std::string& name : {std::string("CON"), std::string(".hidden"), std::string("a:b"),
                                  std::string("dot."), std::string(256, 'n'), std::string()}) {
    try {
      ExtractPatchFolder(file, patch, name);
      ADD_FAILURE() << name << " was taken";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), name + " cannot be the name of a patch folder.");
    }
  }
  EXPECT_EQ(WorkListing(), std::set<std::string>{});
}

TEST_F(PatchArchive, AnUnpackingStoppedFromItsProgressLeavesNothing) {
  const std::string file = Archive("plane", Format::Zip,
                                   {{"My Plane/03059000.dml", "shape"}, {"My Plane/big.bmp", Varied(1 << 20, 2)}});
  const FoundPatch patch = FindPatchFolders(file).at(0);
  struct Cancelled {};
  EXPECT_THROW(ExtractPatchFolder(file, patch, "My Plane",
                                  [](std::uint64_t done, std::uint64_t) {
                                    if (done > 0) throw Cancelled();
                                  }),
               Cancelled);
  EXPECT_EQ(WorkListing(), std::set<std::string>{"vantrel.lock"});
}

}  // namespace
}  // namespace vantrel::testing
