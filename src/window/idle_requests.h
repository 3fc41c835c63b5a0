#pragma once
// Requests that wait for the running job: each runs once no job runs, in the order asked,
// and one that starts a job keeps the rest waiting for that one.
#include <deque>
#include <functional>
#include <utility>

namespace vantrel {

class IdleRequests {
 public:
  // `busy` tells whether a job runs now.
  explicit IdleRequests(std::function<bool()> busy) : busy_(std::move(busy)) {}

  // Runs `request` now when no job runs, else once the jobs before it have ended.
  void Add(std::function<void()> request);
  // A job has ended: runs the waiting requests until one starts a job.
  void RunWaiting();

 private:
  std::function<bool()> busy_;
  std::deque<std::function<void()>> waiting_;
};

}  // namespace vantrel
