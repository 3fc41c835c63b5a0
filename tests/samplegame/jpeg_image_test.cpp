// The preview decoder on the sample game's pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "jpeg/jpeg_image.h"
#include "platform/errors.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
namespace sg = vantrel::samplegame;
using vantrel::DecodeJpegFile;

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

int OpenFiles() {
  int count = 0;
  for ([[maybe_unused]] const auto& fd : fs::directory_iterator("/proc/self/fd")) ++count;
  return count;
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

  const int before = OpenFiles();
  EXPECT_NE(DecodeError("half.jpg").find("Premature end of JPEG file"), std::string::npos);
  EXPECT_NE(DecodeError("noend.jpg").find("Premature end of JPEG file"), std::string::npos);
  EXPECT_NE(DecodeError("text.jpg").find("Not a JPEG file"), std::string::npos);
  EXPECT_NE(DecodeError("empty.jpg").find("empty.jpg"), std::string::npos);
  EXPECT_FALSE(DecodeError("folder.jpg").empty());
  EXPECT_NE(DecodeError("missing.jpg").find("File not found"), std::string::npos);
  EXPECT_EQ(OpenFiles(), before);
  // A failure leaves nothing behind that spoils the next picture.
  const vantrel::Picture next = DecodeJpegFile(sg::kDefaultPreview.path);
  EXPECT_EQ(next.width, 200);
  EXPECT_EQ(next.height, 120);
}

}  // namespace
