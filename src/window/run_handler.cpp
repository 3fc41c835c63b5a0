#include "window/run_handler.h"

#include <exception>

namespace vantrel {

void RunHandler(const MessageHook& show, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {  // vantrel::Error and the library's own failures alike
    show(e.what());
  }
}

}  // namespace vantrel
