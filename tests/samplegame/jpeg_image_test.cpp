// The preview decoder on the sample game's pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "jpeg/jpeg_image.h"
#include "open_files.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/stdio_file.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
namespace sg = vantrel::samplegame;
using vantrel::DecodeJpegFile;
using vantrel::testing::HeldOpen;

void ExpectNear(const vantrel::Picture& image, int x, int y, sg::Rgb want) {
  const std::uint8_t* got = image.rgb.data() + 3 * (static_cast<std::size_t>(y) * image.width + x);
  // Lossy compression moves colours a little; the pattern's two colours lie far apart.
  EXPECT_TRUE(std::abs(got[0] - want.r) <= 12 && std::abs(got[1] - want.g) <= 12 && std::abs(got[2] - want.b) <= 12)
      << "at " << x << "," << y << ": " << int(got[0]) << " " << int(got[1]) << " " << int(got[2]) << " for "
      << int(want.r) << " " << int(want.g) << " " << int(want.b);
}

class JpegImage : public ::testing::Test {
 protected:
  void SetUp() override {
    sg::LaySampleGame("game");
    fs::current_path("game/Simpatch");
  }
  vantrel::testing::TempDir tmp_;
};

TEST_F(JpegImage, DecodesColourAndGrayscalePreviewsToTheirPattern) {
  for (const sg::SamplePicture& picture :
       {sg::kAircraftPreview, sg::kFirstCamelPreview, sg::kSecondCamelPreview, sg::kDefaultPreview}) {
    SCOPED_TRACE(picture.path);
    const vantrel::Picture image = DecodeJpegFile(picture.path);
    ASSERT_EQ(image.width, picture.look.width);
    ASSERT_EQ(image.height, picture.look.height);
    ASSERT_EQ(image.rgb.size(), 3u * image.width * image.height);
    // The centre of every whole cell: ink and paper alternate in both directions.
    const int cell = picture.look.cell;
    for (int y = cell / 2; y + cell / 2 <= image.height; y += cell) {
      for (int x = cell / 2; x + cell / 2 <= image.width; x += cell) {
        ExpectNear(image, x, y, sg::PicturePixel(picture.look, x, y));
      }
    }
  }
  // Red on cream, found as Windows would find the file.
  const vantrel::Picture aircraft = DecodeJpegFile(".\\fe2b FIGHTER\\FE2B.JPG");
  ExpectNear(aircraft, 10, 10, {200, 40, 30});
  ExpectNear(aircraft, 30, 10, {240, 230, 200});
}

// Names are UTF-8 inside the program; on Windows the file has to be opened by its UTF-16
// name, which no narrow fopen reaches.
TEST_F(JpegImage, DecodesFilesWithNamesBeyondAscii) {
  for (const char* name : {"Vorschau \xC3\xBC" "ber M\xC3\xBCnster.jpg",  // Latin-1 range
                           "\xE9\xA3\x9E\xE6\x9C\xBA.jpg",                // CJK
                           "\xF0\x9F\x9B\xA9 plane.jpg"}) {                 // a surrogate pair in UTF-16
    SCOPED_TRACE(name);
    vantrel::platform::MoveFileTo(sg::kAircraftPreview.path, name);
    const vantrel::Picture image = DecodeJpegFile(name);
    EXPECT_EQ(image.width, sg::kAircraftPreview.look.width);
    ExpectNear(image, 10, 10, sg::kAircraftPreview.look.ink);
    vantrel::platform::MoveFileTo(name, sg::kAircraftPreview.path);
  }
}

std::string DecodeError(const std::string& path) {
  try {
    DecodeJpegFile(path);
  } catch (const vantrel::Error& e) {
    return e.what();
  }
  ADD_FAILURE() << path << " decoded without an error";
  return {};
}

TEST_F(JpegImage, BrokenFilesRaiseAndAreClosed) {
  const std::string whole = vantrel::testing::ReadFileBytes(sg::kAircraftPreview.path);
  tmp_.write("game/Simpatch/half.jpg", whole.substr(0, whole.size() / 2));
  tmp_.write("game/Simpatch/noend.jpg", whole.substr(0, whole.size() - 2));  // no end marker
  tmp_.write("game/Simpatch/text.jpg", "This is not a picture.\r\n");
  tmp_.write("game/Simpatch/empty.jpg", "");
  tmp_.mkdir("game/Simpatch/folder.jpg");

  {
    // The probe sees a file held open, or its saying "closed" below would prove nothing.
    const vantrel::platform::StdioFile held = vantrel::platform::OpenStdioForReading("half.jpg");
    ASSERT_TRUE(HeldOpen("half.jpg"));
  }
  const struct {
    const char* name;
    const char* inMessage;
  } broken[] = {
      {"half.jpg", "Premature end of JPEG file"},
      {"noend.jpg", "Premature end of JPEG file"},
      {"text.jpg", "Not a JPEG file"},
      {"empty.jpg", "empty.jpg"},
  };
  for (const auto& file : broken) {
    SCOPED_TRACE(file.name);
    EXPECT_NE(DecodeError(file.name).find(file.inMessage), std::string::npos);
    EXPECT_FALSE(HeldOpen(file.name));
  }
  EXPECT_EQ(DecodeError("folder.jpg"), "Cannot open the picture folder.jpg: File access denied");
  EXPECT_EQ(DecodeError("missing.jpg"), "Cannot open the picture missing.jpg: File not found");
  // A failure leaves nothing behind that spoils the next picture.
  const vantrel::Picture next = DecodeJpegFile(sg::kDefaultPreview.path);
  EXPECT_EQ(next.width, 200);
  EXPECT_EQ(next.height, 120);
  EXPECT_FALSE(HeldOpen(sg::kDefaultPreview.path));
}

}  // namespace
