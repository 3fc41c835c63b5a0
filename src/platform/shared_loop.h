#pragma once
// A loop over indices that several threads work through together, each taking the next run
// of indices nobody has taken yet: the threads started for it, and a thread that would
// otherwise only wait for the loop to end.
#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <vector>

namespace vantrel::platform {

class SharedLoop {
 public:
  // Calls `work(i)` for every i below `count`, `runLength` neighbouring indices at a time.
  SharedLoop(std::size_t count, std::function<void(std::size_t)> work, std::size_t runLength = 1);
  SharedLoop(const SharedLoop&) = delete;
  SharedLoop& operator=(const SharedLoop&) = delete;

  // Takes runs until none is left; returns then, though other threads may still be busy
  // with theirs. Any number of threads may call it at once.
  void Work();
  // Once every Work has returned: raises again what a call raised, the one of the lowest
  // index when several did, as if the calls had run in order and stopped there.
  void RethrowFailure() const;

 private:
  std::size_t count_;
  std::function<void(std::size_t)> work_;
  std::size_t runLength_;
  std::size_t runs_;
  std::atomic<std::size_t> nextRun_{0};
  std::vector<std::exception_ptr> failures_;  // one per run, each written by the run's thread
};

}  // namespace vantrel::platform
