#pragma once
// What an action raises: failures are compared by number, or by the text of one that has none.
#include <string>

#include "platform/errors.h"

namespace vantrel::platform::testing {

// The error number an action raises, 0 when it raises none.
template <class Action>
int InOutCode(Action action) {
  try {
    action();
  } catch (const InOutError& error) {
    return error.code();
  }
  return 0;
}

// The text of the failure an action raises, "" when it raises none.
template <class Action>
std::string ErrorText(Action action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

}  // namespace vantrel::platform::testing
