// Archives that are refused whole, and what is never unpacked from the ones taken: nothing of
// a refused archive is written anywhere.
#include <gtest/gtest.h>

#include <algorithm>

#include "archive/patch_archive.h"
#include "archive_fixture.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;
using archive::ExtractPatchFolder;
using archive::FindPatchFolders;
using archive::FoundPatch;

class RefusedArchive : public ::testing::Test, public ArchiveFixture {
 protected:
  // Both the look inside and the unpacking give `text`, and the game is as it was.
  void ExpectRefused(const std::string& file, const FoundPatch& patch, const std::string& text) {
    std::set<std::string> before = Listing(dir.path() / "game");
    before.erase("Work/vantrel.lock");
    try {
      FindPatchFolders(file);
      ADD_FAILURE() << "the archive was looked into";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), text);
    }
    try {
      ExtractPatchFolder(file, patch, "New Patch");
      ADD_FAILURE() << "the archive was unpacked";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), text);
    }
    std::set<std::string> after = Listing(dir.path() / "game");
    after.erase("Work/vantrel.lock");
    EXPECT_EQ(after, before);
    EXPECT_FALSE(fs::exists(dir.path() / "evil.dml"));
  }
};

const FoundPatch kPatchP{"P", "P", "0305", 5};

TEST_F(RefusedArchive, AnArchiveWithoutAPatchIsRefusedByName) {
  const std::string file = Archive("nothing", Format::Zip, {{"Readme.txt", "hello"}, {"Tex/03059000.dts", "x"}});
  ExpectRefused(file, kPatchP, "nothing.zip holds no patch (no ????9000.dml file)");
}

TEST_F(RefusedArchive, AnEntryOutsideThePatchFolderOrWithANameWindowsCannotHoldRefusesTheWholeArchive) {
  struct Case {
    std::string entry;
    bool outside;
  };
  const Case cases[] = {
      {"../evil.dml", true},        {"P/../../evil.dml", true}, {"P\\..\\..\\evil.dml", true},
      {"/tmp/03059000.dml", true},  {"C:/evil.dml", true},      {"c:evil.dml", true},
      {"P/a<b.bmp", false},         {"P/CON.bmp", false},       {"P/lpt1", false},
      {"P/dot.", false},            {"P/tab\there", false},     {"P/" + std::string(256, 'n'), false},
  };
  for (Format format : {Format::TarGz, Format::Zip}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(ExtensionOf(format)) + " " + c.entry);
      // The patch comes first: the refusal must not depend on where the bad entry stands.
      const std::string file = Archive("bad", format, {{"P/03059000.dml", "shape"}, {c.entry, "evil"}});
      const std::string name = std::string("bad") + ExtensionOf(format);
      // A name is shown with "/" for "\", whatever the archive stored.
      std::string shown = c.entry;
      std::replace(shown.begin(), shown.end(), '\\', '/');
      ExpectRefused(file, kPatchP,
                    c.outside ? name + " is refused: its entry \"" + shown + "\" would land outside the patch folder."
                              : name + " is refused: Windows cannot hold the name of its entry \"" + shown + "\".");
    }
  }
}

TEST_F(RefusedArchive, AFileTwiceInAnyLetterCaseRefusesTheArchive) {
  const std::string file = Archive("twice", Format::Zip,
                                   {{"P/03059000.dml", "shape"}, {"P/Tex/a.bmp", "one"}, {"p/TEX/A.BMP", "other"}});
  ExpectRefused(file, kPatchP, "twice.zip is refused: it holds \"p/TEX/A.BMP\" more than once.");
}

TEST_F(RefusedArchive, LinksAreNeverUnpacked) {
  for (Format format : {Format::TarGz, Format::Zip}) {
    SCOPED_TRACE(ExtensionOf(format));
    std::vector<Entry> entries = {{"P/03059000.dml", "shape"},
                                  {"P/a.bmp", "a"},
                                  {"P/passwd.bmp", "/etc/passwd", Entry::Kind::Symlink},
                                  {"P/up", "..", Entry::Kind::Symlink}};
    if (format == Format::TarGz) entries.push_back({"P/hard.bmp", "P/a.bmp", Entry::Kind::Hardlink});
    const std::string file = Archive("links", format, entries);
    const FoundPatch patch = FindPatchFolders(file).at(0);
    EXPECT_EQ(patch.unpackedSize, 6u);
    ExtractPatchFolder(file, patch, "P");
    EXPECT_EQ(WorkListing(), (std::set<std::string>{"P", "P/03059000.dml", "P/a.bmp", "vantrel.lock"}));
    fs::remove_all(Work() / "P");
  }
}

TEST_F(RefusedArchive, ATruncatedArchiveIsRefusedWithLibarchivesReasonAndLeavesNothing) {
  for (Format format : {Format::Zip, Format::SevenZip, Format::TarGz, Format::Rar}) {
    SCOPED_TRACE(ExtensionOf(format));
    const std::string file =
        Archive("cut", format, {{"P/03059000.dml", "shape"}, {"P/big.bmp", Varied(400000, 3)}, {"P/z.bmp", "z"}});
    const FoundPatch patch = FindPatchFolders(file).at(0);
    fs::resize_file(file, fs::file_size(file) / 2);
    const std::string prefix = std::string("cut") + ExtensionOf(format) + " cannot be read: ";
    for (int attempt = 0; attempt < 2; ++attempt) {
      try {
        if (attempt == 0) FindPatchFolders(file);
        if (attempt == 1) ExtractPatchFolder(file, patch, "P");
        ADD_FAILURE() << "a cut archive was read whole";
      } catch (const Error& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with(prefix)) << e.what();
        EXPECT_GT(std::string(e.what()).size(), prefix.size()) << "libarchive's reason is missing";
      }
    }
    EXPECT_EQ(WorkListing(), std::set<std::string>{"vantrel.lock"});
  }
}

TEST_F(RefusedArchive, AMissingFileOrOneOfNoKnownFormatIsRefused) {
  EXPECT_THROW(
      {
        try {
          FindPatchFolders("no-such.zip");
        } catch (const InOutError& e) {
          EXPECT_EQ(std::string(e.what()), "File not found: no-such.zip");
          throw;
        }
      },
      InOutError);
  dir.write("downloads/text.zip", "just some text, not an archive");
  try {
    FindPatchFolders((dir.path() / "downloads/text.zip").string());
    ADD_FAILURE() << "a text was read as an archive";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "text.zip cannot be read: Unrecognized archive format");
  }
}

}  // namespace
}  // namespace vantrel::testing
