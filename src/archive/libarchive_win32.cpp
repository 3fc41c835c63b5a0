#include "archive/libarchive.h"

namespace vantrel::archive {

const Libarchive& Lib() {
#define VANTREL_LIBARCHIVE_TAKE(name) &::name,
  static const Libarchive lib{VANTREL_LIBARCHIVE_CALLS(VANTREL_LIBARCHIVE_TAKE)};
#undef VANTREL_LIBARCHIVE_TAKE
  return lib;
}

}  // namespace vantrel::archive
