#include "under_wine.h"

#include <windows.h>

namespace vantrel::testing {

// Wine's ntdll exports its version; Windows' has no such function.
bool UnderWine() {
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace vantrel::testing
