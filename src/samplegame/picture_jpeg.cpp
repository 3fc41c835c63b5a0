#include "samplegame/picture.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "jpeg/jpeg_error_jump.h"
#include "platform/errors.h"
#include "samplegame/disk_writes.h"

namespace vantrel::samplegame {

namespace {

// Everything the compression touches, as plain C objects: the function that calls setjmp
// must own nothing with a destructor, since the error jump skips destructors.
struct Compression {
  jpeg_compress_struct cinfo;
  jpeg::JumpError error;
  unsigned char* buffer;  // allocated by libjpeg's memory destination
  unsigned long size;
};

bool Compress(Compression& job, const PictureSpec& look, const unsigned char* pixels) {
  job.cinfo.err = jpeg::InstallJumpError(job.error);
  if (setjmp(job.error.jump)) return false;
  jpeg_create_compress(&job.cinfo);
  jpeg_mem_dest(&job.cinfo, &job.buffer, &job.size);
  job.cinfo.image_width = static_cast<JDIMENSION>(look.width);
  job.cinfo.image_height = static_cast<JDIMENSION>(look.height);
  job.cinfo.input_components = look.grayscale ? 1 : 3;
  job.cinfo.in_color_space = look.grayscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&job.cinfo);
  jpeg_set_quality(&job.cinfo, 92, TRUE);
  jpeg_start_compress(&job.cinfo, TRUE);
  const std::size_t stride = static_cast<std::size_t>(look.width) * job.cinfo.input_components;
  while (job.cinfo.next_scanline < job.cinfo.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(pixels + job.cinfo.next_scanline * stride);
    jpeg_write_scanlines(&job.cinfo, &row, 1);
  }
  jpeg_finish_compress(&job.cinfo);
  return true;
}

std::vector<unsigned char> Render(const PictureSpec& look) {
  std::vector<unsigned char> pixels;
  pixels.reserve(static_cast<std::size_t>(look.width) * look.height * 3);
  for (int y = 0; y < look.height; ++y) {
    for (int x = 0; x < look.width; ++x) {
      const Rgb c = PicturePixel(look, x, y);
      pixels.push_back(c.r);
      if (look.grayscale) continue;
      pixels.push_back(c.g);
      pixels.push_back(c.b);
    }
  }
  return pixels;
}

}  // namespace

bool CanWriteJpeg() { return true; }

void WriteJpeg(const std::filesystem::path& file, const PictureSpec& look) {
  const std::vector<unsigned char> pixels = Render(look);
  Compression job{};
  const bool done = Compress(job, look, pixels.data());
  const std::string bytes = done ? std::string(reinterpret_cast<const char*>(job.buffer), job.size) : std::string();
  jpeg_destroy_compress(&job.cinfo);
  std::free(job.buffer);
  if (!done) throw Error("cannot compress " + file.string() + ": " + job.error.message);
  WriteBytes(file, bytes);
}

}  // namespace vantrel::samplegame
