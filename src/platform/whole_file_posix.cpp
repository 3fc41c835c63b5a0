#include "platform/whole_file.h"

#include "platform/fd_io.h"
#include "platform/names.h"

namespace vantrel::platform::detail {

std::string ReadWholeFile(std::string_view path) {
  UniqueFd fd = OpenForReading(ResolvePath(path), path);
  std::string content = ReadAll(fd.get());
  fd.Close();
  return content;
}

}  // namespace vantrel::platform::detail
