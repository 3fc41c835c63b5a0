#include "platform/whole_file.h"

#include "platform/handle_io.h"

namespace vantrel::platform::detail {

std::string ReadWholeFile(std::string_view path) {
  UniqueHandle file = OpenForReading(path);
  std::string content = ReadAll(file.get());
  file.Close();
  return content;
}

}  // namespace vantrel::platform::detail
