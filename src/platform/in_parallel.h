#pragma once
// Work on many small files at once: a status check looks at tens of thousands of files, and a
// look is mostly waiting on the system, which several threads do side by side.
#include <cstddef>
#include <functional>

namespace vantrel::platform {

// Calls `work(i)` for every i below `count`, spread over the machine's cores in runs of
// neighbouring indices; a count too small to be worth a thread is done on this one. Returns
// when every call has ended. When calls raise, the one of the lowest index is raised again
// here, as if they had run in order and stopped there; the others are dropped.
void InParallel(std::size_t count, const std::function<void(std::size_t)>& work);

}  // namespace vantrel::platform
