#pragma once
// The error number an action raises, 0 when it raises none: failures are compared by number.
#include "platform/errors.h"

namespace vantrel::platform::testing {

template <class Action>
int InOutCode(Action action) {
  try {
    action();
  } catch (const InOutError& error) {
    return error.code();
  }
  return 0;
}

}  // namespace vantrel::platform::testing
