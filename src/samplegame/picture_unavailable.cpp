#include "samplegame/picture.h"

#include "platform/errors.h"

// The build for a system without libjpeg (the Windows cross-build until it has one): the
// sample game is laid without its preview pictures.
namespace vantrel::samplegame {

bool CanWriteJpeg() { return false; }

void WriteJpeg(const std::filesystem::path& file, const PictureSpec&) {
  throw Error("cannot write " + file.string() + ": this build has no JPEG encoder");
}

}  // namespace vantrel::samplegame
