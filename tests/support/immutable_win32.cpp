#include <windows.h>

#include <fstream>

#include "on_host.h"
#include "temp_dir.h"
#include "under_wine.h"

namespace vantrel::testing {

namespace {

bool Writable(const std::filesystem::path& file) { return static_cast<bool>(std::ofstream(file, std::ios::app)); }

// Windows refuses writes to a read-only file to every user. Under Wine the attribute is the
// host's permission bits, which root ignores: there the host's immutable flag is set.
bool SetImmutable(const std::filesystem::path& file, bool on) {
  if (UnderWine()) {
    return RunOnHost({"/usr/bin/chattr", on ? "+i" : "-i", HostPath(file)}, [&] { return Writable(file) != on; });
  }
  const DWORD attributes = ::GetFileAttributesW(file.wstring().c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD changed = on ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
  return ::SetFileAttributesW(file.wstring().c_str(), changed) && Writable(file) != on;
}

}  // namespace

Immutable::Immutable(std::filesystem::path file) : file_(std::move(file)) { set_ = SetImmutable(file_, true); }

Immutable::~Immutable() {
  if (set_) SetImmutable(file_, false);
}

}  // namespace vantrel::testing
