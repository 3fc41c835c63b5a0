#pragma once
// Whether the tests run under Wine, whose cmd differs from Windows' in a few documented ways
// that a test then names.

namespace vantrel::testing {

bool UnderWine();

}  // namespace vantrel::testing
