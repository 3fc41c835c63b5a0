#include "platform/stdio_file.h"

#include <cerrno>
#include <string>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/names.h"

namespace vantrel::platform {

StdioFile OpenStdioForReading(std::string_view path) {
  detail::UniqueFd fd = detail::OpenForReading(ResolvePath(path), path);
  StdioFile file(::fdopen(fd.get(), "rb"));
  if (!file) throw InOutError::FromErrno(errno);
  fd.release();  // the stream owns the descriptor now
  return file;
}

}  // namespace vantrel::platform
