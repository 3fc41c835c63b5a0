#include "window/idle_requests.h"

#include <utility>

namespace vantrel {

void IdleRequests::Add(std::function<void()> request) {
  waiting_.push_back(std::move(request));
  RunWaiting();
}

void IdleRequests::RunWaiting() {
  while (!busy_() && !waiting_.empty()) {
    std::function<void()> request = std::move(waiting_.front());
    waiting_.pop_front();
    request();
  }
}

}  // namespace vantrel
