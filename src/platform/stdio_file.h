#pragma once
// A file opened for reading as a C stream, for the libraries that read through FILE*
// (libjpeg). It is opened as the layer opens every file: the path as the system writes it,
// UTF-16 on Windows, a folder refused, failures as InOutError.
#include <cstdio>
#include <memory>
#include <string_view>

namespace vantrel::platform {

struct CloseStdioFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using StdioFile = std::unique_ptr<std::FILE, CloseStdioFile>;

// Opens an existing file for binary reading; raises InOutError (2 missing, 5 a folder or
// denied) without naming the file, which the caller names in its own words.
StdioFile OpenStdioForReading(std::string_view path);

}  // namespace vantrel::platform
