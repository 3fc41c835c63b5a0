#include <windows.h>

#include <shellapi.h>

#include <memory>

#include "app/command_line.h"
#include "app/wide_arguments.h"
#include "platform/errors.h"
#include "platform/win32_text.h"

namespace vantrel::app {

// The Win32 window takes no options of its own beside ours.
const char* const kToolkitOptions = "";

std::vector<std::string> ArgumentsOf(std::wstring_view commandLine) {
  // CommandLineToArgvW reads the program's own command line for an empty text.
  if (commandLine.empty()) return {};
  const std::wstring line(commandLine);
  int count = 0;
  const std::unique_ptr<wchar_t*, decltype(&::LocalFree)> words(::CommandLineToArgvW(line.c_str(), &count),
                                                                 &::LocalFree);
  if (!words) throw Error("The program's command line cannot be read.");
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(platform::detail::Utf8(words.get()[i]));
  return args;
}

}  // namespace vantrel::app
