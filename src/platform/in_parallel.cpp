#include "platform/in_parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace vantrel::platform {

namespace {

// Starting a thread costs about as much as a few dozen looks at a file.
constexpr std::size_t kLeastPerThread = 64;
constexpr std::size_t kMostThreads = 8;

}  // namespace

void InParallel(std::size_t count, const std::function<void(std::size_t)>& work) {
  const std::size_t cores = std::max<std::size_t>(1, std::thread::hardware_concurrency());
  const std::size_t threads = std::min({cores, kMostThreads, count / kLeastPerThread});
  if (threads <= 1) {
    for (std::size_t i = 0; i < count; ++i) work(i);
    return;
  }
  // Runs are handed out as threads come free: a run that meets a slow stretch of the disk
  // holds up only its own thread.
  const std::size_t runLength = std::max<std::size_t>(16, count / (threads * 8));
  const std::size_t runs = (count + runLength - 1) / runLength;
  std::atomic<std::size_t> nextRun{0};
  std::vector<std::exception_ptr> failures(runs);
  const auto worker = [&] {
    for (std::size_t run; (run = nextRun.fetch_add(1)) < runs;) {
      try {
        for (std::size_t i = run * runLength; i < std::min(count, (run + 1) * runLength); ++i) work(i);
      } catch (...) {
        failures[run] = std::current_exception();
      }
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(threads - 1);
  try {
    for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(worker);
  } catch (...) {
    // Fewer helpers than wished for: this thread takes what they would have taken.
  }
  worker();
  for (std::thread& helper : helpers) helper.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

}  // namespace vantrel::platform
