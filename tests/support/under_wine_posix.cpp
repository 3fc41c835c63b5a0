#include "under_wine.h"

namespace vantrel::testing {

bool UnderWine() { return false; }

}  // namespace vantrel::testing
