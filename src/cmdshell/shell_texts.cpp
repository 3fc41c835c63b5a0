#include "cmdshell/shell_texts.h"

#include <cstdio>

namespace vantrel::cmdshell {

std::string MessageFor(const std::exception& error) {
  const auto* io = dynamic_cast<const InOutError*>(&error);
  if (!io) return error.what();
  switch (io->code()) {
    case 2: return kFileNotFound;
    case 3: return kPathNotFound;
    case 4: return kCannotOpen;
    case 5: return kAccessDenied;
    case 101: return kDiskFull;
    default: return error.what();
  }
}

std::string FileCountLine(int count, const char* verb) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%9d file(s) %s.", count, verb);
  return buffer;
}

std::string FailedLinesHeading(std::string_view script, std::size_t count) {
  return std::to_string(count) + (count == 1 ? " line of " : " lines of ") + std::string(script) +
         " failed; the job did not do all its work:";
}

}  // namespace vantrel::cmdshell
