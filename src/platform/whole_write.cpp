#include "platform/whole_write.h"

#include <string>

#include "platform/file_writer.h"
#include "platform/files.h"

namespace vantrel::platform {

void WriteFileWhole(std::string_view path, std::string_view bytes) {
  // The copy reaches the disk before it takes the name; a scratch file a kill leaves
  // behind is written over the next time.
  const std::string scratch = std::string(path) + ".new";
  FileWriter writer(scratch);
  writer.Write(bytes);
  writer.Close();
  CopyFileKeepTime(scratch, path);
  DeleteFileAt(scratch);
}

}  // namespace vantrel::platform
