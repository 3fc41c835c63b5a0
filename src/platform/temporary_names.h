#pragma once
// Internal to the platform layer: the names of the temporaries a write puts beside its
// target, ".vantrel-PID-N.tmp" (files and folders alike), hidden where a leading dot hides.
// The writer's process id in the name tells a dead writer's temporary from a live one's.
#include <string>
#include <string_view>

namespace vantrel::platform::detail {

// A new name for process `pid`, unique within this process.
std::string TemporaryLeaf(unsigned long pid);
// The process that wrote a temporary of ours, or 0 for a name of another form.
unsigned long WriterOf(std::string_view name);
inline bool IsOurTemporary(std::string_view name) { return WriterOf(name) != 0; }

}  // namespace vantrel::platform::detail
