#include "baseline.h"

#include <windows.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace vantrel::bench {
namespace {

// Every entry of a search, handed to `take` until it says it has enough.
template <typename Take>
void Search(const std::wstring& pattern, Take take) {
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return;
  while (take(found) && ::FindNextFileW(search, &found)) {
  }
  ::FindClose(search);
}

bool Hidden(const WIN32_FIND_DATAW& e) {
  return e.cFileName[0] == L'.' || (e.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

bool IsFolder(const WIN32_FIND_DATAW& e) { return (e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

std::string Narrow(const wchar_t* wide) {
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace

// The system matches the wildcards itself, as a plain Windows program would let it.
void BaselineScan() {
  std::vector<std::pair<std::string, std::string>> table;
  Search(L"*", [&](const WIN32_FIND_DATAW& folder) {
    if (Hidden(folder) || !IsFolder(folder)) return true;
    Search(std::wstring(folder.cFileName) + L"\\????9000.dml", [&](const WIN32_FIND_DATAW& shape) {
      if (IsFolder(shape) || Hidden(shape)) return true;
      table.emplace_back(Narrow(shape.cFileName).substr(0, 4), Narrow(folder.cFileName));
      return false;
    });
    return table.size() < 1024;
  });
  {
    std::ofstream out("vantrel.scan.tmp", std::ios::binary | std::ios::trunc);
    for (const auto& [code, folder] : table) out << code << ' ' << folder << "\r\n";
  }
  std::vector<std::string> active;
  Search(L"*.aop", [&](const WIN32_FIND_DATAW& marker) {
    if (Hidden(marker) || IsFolder(marker)) return true;
    const std::string name = Narrow(marker.cFileName);
    active.push_back(name.substr(0, name.size() - 4));
    return active.size() < 1025;
  });
}

double CpuMs() {
  FILETIME created, exited, kernel, user;
  if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  const auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
  };
  return ms(kernel) + ms(user);
}

}  // namespace vantrel::bench
