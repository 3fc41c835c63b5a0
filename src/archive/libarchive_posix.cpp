#include <dlfcn.h>

#include <string>

#include "archive/libarchive.h"
#include "platform/errors.h"

namespace vantrel::archive {
namespace {

Libarchive Load() {
  // Kept loaded to the end: the table's functions live in it.
  void* library = ::dlopen(VANTREL_LIBARCHIVE_SONAME, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) throw Error(std::string("Archives cannot be read: ") + ::dlerror());
  Libarchive lib;
#define VANTREL_LIBARCHIVE_LOAD(name)                                                                \
  lib.name = reinterpret_cast<decltype(&::name)>(::dlsym(library, #name));                          \
  if (lib.name == nullptr) throw Error("Archives cannot be read: " VANTREL_LIBARCHIVE_SONAME " has no " #name);
  VANTREL_LIBARCHIVE_CALLS(VANTREL_LIBARCHIVE_LOAD)
#undef VANTREL_LIBARCHIVE_LOAD
  return lib;
}

}  // namespace

const Libarchive& Lib() {
  static const Libarchive lib = Load();
  return lib;
}

}  // namespace vantrel::archive
