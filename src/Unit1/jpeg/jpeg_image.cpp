#include "Unit1/jpeg/jpeg_image.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

#include "Unit1/jpeg/jpeg_error_jump.h"
#include "platform/errors.h"
#include "platform/names.h"

namespace vantrel {

namespace {

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, CloseFile>;

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

bool ReadRows(Decoding& job, QImage* image, JSAMPLE* grayRow) {
  if (setjmp(job.error.jump)) return false;
  const bool gray = job.cinfo.output_components == 1;
  while (job.cinfo.output_scanline < job.cinfo.output_height) {
    // Rows of an RGB888 image are padded to four bytes: each goes through scanLine().
    uchar* line = image->scanLine(static_cast<int>(job.cinfo.output_scanline));
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

QImage DecodeJpegFile(const std::string& path) {
  FileHandle file(std::fopen(platform::ResolvePath(path).c_str(), "rb"));
  if (!file) {
    throw Error("Cannot open the picture " + path + ": " + InOutError::TextFor(InOutError::CodeForErrno(errno)));
  }
  Decoding job{};
  const std::unique_ptr<jpeg_decompress_struct, void (*)(jpeg_decompress_struct*)> release(&job.cinfo,
                                                                                          jpeg_destroy_decompress);
  if (!StartDecoding(job, file.get())) throw DecodeFailure(path, job.error.message);
  if (job.cinfo.output_components != 1 && job.cinfo.output_components != 3) {
    throw DecodeFailure(path, "unexpected number of colour channels");
  }
  QImage image(static_cast<int>(job.cinfo.output_width), static_cast<int>(job.cinfo.output_height),
               QImage::Format_RGB888);
  if (image.isNull()) throw DecodeFailure(path, "the picture is too large");
  std::vector<JSAMPLE> grayRow(job.cinfo.output_width);
  if (!ReadRows(job, &image, grayRow.data())) throw DecodeFailure(path, job.error.message);
  return image;
}

}  // namespace vantrel
