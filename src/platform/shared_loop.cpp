#include "platform/shared_loop.h"

#include <algorithm>

namespace vantrel::platform {

SharedLoop::SharedLoop(std::size_t count, std::function<void(std::size_t)> work, std::size_t runLength)
    : count_(count),
      work_(std::move(work)),
      runLength_(std::max<std::size_t>(1, runLength)),
      runs_((count + runLength_ - 1) / runLength_),
      failures_(runs_) {}

void SharedLoop::Work() {
  for (std::size_t run; (run = nextRun_.fetch_add(1)) < runs_;) {
    try {
      for (std::size_t i = run * runLength_; i < std::min(count_, (run + 1) * runLength_); ++i) work_(i);
    } catch (...) {
      failures_[run] = std::current_exception();
    }
  }
}

void SharedLoop::RethrowFailure() const {
  for (const std::exception_ptr& failure : failures_) {
    if (failure) std::rethrow_exception(failure);
  }
}

}  // namespace vantrel::platform
