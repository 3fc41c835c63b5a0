#include "platform/in_parallel.h"
#include "platform/shared_loop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace vantrel::platform {
namespace {

// From none to enough for every thread the machine may give: each index is worked on once.
TEST(InParallel, WorksOnEveryIndexOnce) {
  for (const std::size_t count : {0u, 1u, 63u, 64u, 1000u, 20'480u}) {
    std::vector<std::atomic<int>> visits(count);
    InParallel(count, [&](std::size_t i) { visits[i].fetch_add(1); });
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(visits[i].load(), 1) << "index " << i << " of " << count;
  }
}

// As if run in order: the failure of the lowest index is the one raised, whichever thread met it
// first.
TEST(InParallel, RaisesTheFailureOfTheLowestIndex) {
  for (const std::set<std::size_t>& failing : {std::set<std::size_t>{5}, {4'999, 2'001, 130}, {0, 4'999}}) {
    try {
      InParallel(5'000, [&](std::size_t i) {
        if (failing.contains(i)) throw std::runtime_error(std::to_string(i));
      });
      ADD_FAILURE() << "nothing raised";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), std::to_string(*failing.begin()));
    }
  }
}

// A thread that joins a loop already under way takes the runs nobody has taken: each index is
// still worked on once, and the failure of the lowest index is the one raised.
TEST(SharedLoop, AThreadJoiningLateTakesWhatIsLeft) {
  std::vector<std::atomic<int>> visits(2'000);
  std::atomic<bool> held{false}, joined{false};
  SharedLoop loop(
      visits.size(),
      [&](std::size_t i) {
        visits[i].fetch_add(1);
        if (i == 0) {  // the thread that started the loop waits in its first run
          held = true;
          while (!joined) std::this_thread::yield();
        }
        // Each the last of its run, so that no index is left out after it.
        if (i == 1'504 || i == 704) throw std::runtime_error(std::to_string(i));
      },
      5);
  std::thread first([&] { loop.Work(); });
  while (!held) std::this_thread::yield();
  loop.Work();
  joined = true;
  first.join();
  for (std::size_t i = 0; i < visits.size(); ++i) ASSERT_EQ(visits[i].load(), 1) << "index " << i;
  try {
    loop.RethrowFailure();
    ADD_FAILURE() << "nothing raised";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "704");
  }
}

}  // namespace
}  // namespace vantrel::platform
