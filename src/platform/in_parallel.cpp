#include "platform/in_parallel.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "platform/shared_loop.h"

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
  SharedLoop loop(count, work, std::max<std::size_t>(16, count / (threads * 8)));
  std::vector<std::thread> helpers;
  helpers.reserve(threads - 1);
  try {
    for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back([&loop] { loop.Work(); });
  } catch (...) {
    // Fewer helpers than wished for: this thread takes what they would have taken.
  }
  loop.Work();
  for (std::thread& helper : helpers) helper.join();
  loop.RethrowFailure();
}

}  // namespace vantrel::platform
