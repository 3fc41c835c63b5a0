#include "on_host.h"

#include <windows.h>

#include <chrono>
#include <thread>

#include "platform/shell_execute.h"
#include "platform/unique_handle.h"
#include "platform/win32_text.h"

namespace vantrel::testing {

bool RunOnHost(const std::vector<std::string>& argv, const std::function<bool()>& done) {
  std::vector<std::string> words{"/unix"};
  words.insert(words.end(), argv.begin(), argv.end());
  std::wstring line = platform::detail::Wide(platform::detail::CommandLine("start.exe", words));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return false;
  }
  const platform::detail::UniqueHandle thread(started.hThread);
  const platform::detail::UniqueHandle process(started.hProcess);
  ::WaitForSingleObject(process.get(), INFINITE);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::string HostPath(const std::filesystem::path& path) {
  using UnixName = char*(__cdecl*)(const wchar_t*);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (unixName == nullptr) return "";
  char* name = unixName(std::filesystem::absolute(path).wstring().c_str());
  if (name == nullptr) return "";
  std::string host(name);
  ::HeapFree(::GetProcessHeap(), 0, name);
  return host;
}

}  // namespace vantrel::testing
