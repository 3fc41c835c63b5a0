#include "platform/stdio_file.h"

#include <fcntl.h>
#include <io.h>

#include <cstdint>

#include "platform/errors.h"
#include "platform/handle_io.h"

namespace vantrel::platform {

// The C runtime's streams sit on its own descriptors, which wrap a Win32 handle: the file
// is opened with CreateFileW like every other, and handed over in two steps, each of which
// takes ownership only when it succeeds. Both fail only when the runtime's table of
// descriptors or streams is full.
StdioFile OpenStdioForReading(std::string_view path) {
  detail::UniqueHandle handle = detail::OpenForReading(path);
  const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle.get()), _O_RDONLY | _O_BINARY);
  if (fd < 0) throw InOutError(4);
  handle.release();
  StdioFile file(::_fdopen(fd, "rb"));
  if (!file) {
    ::_close(fd);
    throw InOutError(4);
  }
  return file;
}

}  // namespace vantrel::platform
