// Where games are installed on Windows: the two program folders, the install locations the
// registry's uninstall entries give, and the top of each fixed drive.
#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>

#include "games/game_search.h"

namespace vantrel::games {

namespace fs = std::filesystem;

namespace {

constexpr int kProgramsDepth = 3;      // Program Files\Maker\Game\ and one more
constexpr int kInstallLocationDepth = 1;
constexpr int kDriveDepth = 2;         // C:\Games\Game\

void KnownFolder(REFKNOWNFOLDERID id, std::vector<SearchPlace>& places) {
  PWSTR path = nullptr;
  if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path))) places.push_back({fs::path(path), kProgramsDepth});
  ::CoTaskMemFree(path);
}

// The "InstallLocation" of every uninstall entry under `root`, in the registry view `view`.
void InstallLocations(HKEY root, REGSAM view, std::vector<SearchPlace>& places) {
  HKEY uninstall = nullptr;
  if (::RegOpenKeyExW(root, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0, KEY_READ | view,
                      &uninstall) != ERROR_SUCCESS) {
    return;
  }
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = sizeof name / sizeof name[0];
    const LSTATUS status = ::RegEnumKeyExW(uninstall, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) continue;  // a name longer than any real entry's
    if (status != ERROR_SUCCESS) break;
    wchar_t location[MAX_PATH * 2];
    DWORD size = sizeof location;
    if (::RegGetValueW(uninstall, name, L"InstallLocation", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ, nullptr, location,
                       &size) == ERROR_SUCCESS &&
        location[0] != L'\0') {
      places.push_back({fs::path(location), kInstallLocationDepth});
    }
  }
  ::RegCloseKey(uninstall);
}

void FixedDrives(std::vector<SearchPlace>& places) {
  wchar_t drives[512];
  const DWORD length = ::GetLogicalDriveStringsW(sizeof drives / sizeof drives[0], drives);
  if (length == 0 || length > sizeof drives / sizeof drives[0]) return;
  for (const wchar_t* drive = drives; *drive; drive += wcslen(drive) + 1) {
    if (::GetDriveTypeW(drive) == DRIVE_FIXED) places.push_back({fs::path(drive), kDriveDepth});
  }
}

}  // namespace

std::vector<SearchPlace> PlacesToLook() {
  std::vector<SearchPlace> places;
  KnownFolder(FOLDERID_ProgramFiles, places);
  KnownFolder(FOLDERID_ProgramFilesX86, places);
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) InstallLocations(root, view, places);
  }
  FixedDrives(places);
  return places;
}

}  // namespace vantrel::games
