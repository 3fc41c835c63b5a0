#include "jpeg/jpeg_image.h"

#include <cstdio>
#include <cstddef>
#include <memory>
#include <vector>

#include "jpeg/jpeg_error_jump.h"
#include "platform/errors.h"
#include "platform/stdio_file.h"

namespace vantrel {

namespace {

// Plain C objects only: the functions that call setjmp must own nothing with a destructor.
struct Decoding {
  jpeg_decompress_struct cinfo;
  jpeg::JumpError error;
};

bool StartDecoding(Decoding& job, std::FILE* file) {
  job.cinfo.err = jpeg::InstallJumpError(job.error);
  if (setjmp(job.error.jump)) return false;
  jpeg_create_decompress(&job.cinfo);
  jpeg_stdio_src(&job.cinfo, file);
  jpeg_read_header(&job.cinfo, TRUE);
  // Grayscale comes out as one channel and is widened below; anything else is asked for as
  // RGB, and libjpeg refuses what it cannot convert (CMYK).
  job.cinfo.out_color_space = job.cinfo.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&job.cinfo);
  return true;
}

bool ReadRows(Decoding& job, Picture* picture, JSAMPLE* grayRow) {
  if (setjmp(job.error.jump)) return false;
  const bool gray = job.cinfo.output_components == 1;
  while (job.cinfo.output_scanline < job.cinfo.output_height) {
    JSAMPLE* line = picture->rgb.data() + std::size_t{3} * job.cinfo.output_width * job.cinfo.output_scanline;
    JSAMPROW target = gray ? grayRow : line;
    jpeg_read_scanlines(&job.cinfo, &target, 1);
    if (!gray) continue;
    for (JDIMENSION x = 0; x < job.cinfo.output_width; ++x) {
      line[3 * x] = line[3 * x + 1] = line[3 * x + 2] = grayRow[x];
    }
  }
  jpeg_finish_decompress(&job.cinfo);
  return true;
}

Error DecodeFailure(const std::string& path, const std::string& reason) {
  return Error("Cannot decode the picture " + path + ": " + reason);
}

}  // namespace

Picture DecodeJpegFile(const std::string& path) {
  platform::StdioFile file;
  try {
    file = platform::OpenStdioForReading(path);
  } catch (const InOutError& e) {
    throw Error("Cannot open the picture " + path + ": " + InOutError::TextFor(e.code()));
  }
  Decoding job{};
  const std::unique_ptr<jpeg_decompress_struct, void (*)(jpeg_decompress_struct*)> release(&job.cinfo,
                                                                                          jpeg_destroy_decompress);
  if (!StartDecoding(job, file.get())) throw DecodeFailure(path, job.error.message);
  if (job.cinfo.output_components != 1 && job.cinfo.output_components != 3) {
    throw DecodeFailure(path, "unexpected number of colour channels");
  }
  // libjpeg allows 65500 pixels a side; a picture is held whole, so a huge one is refused.
  constexpr std::size_t kLargestPicture = std::size_t{1} << 28;
  const std::size_t bytes = std::size_t{3} * job.cinfo.output_width * job.cinfo.output_height;
  if (bytes > kLargestPicture) throw DecodeFailure(path, "the picture is too large");
  Picture picture;
  picture.width = static_cast<int>(job.cinfo.output_width);
  picture.height = static_cast<int>(job.cinfo.output_height);
  picture.rgb.resize(bytes);
  std::vector<JSAMPLE> grayRow(job.cinfo.output_width);
  if (!ReadRows(job, &picture, grayRow.data())) throw DecodeFailure(path, job.error.message);
  return picture;
}

}  // namespace vantrel
