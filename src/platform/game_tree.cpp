#include "platform/game_tree.h"

#include <atomic>

#include "platform/names.h"
#include "platform/write_target.h"

namespace vantrel::platform {
namespace {

std::atomic<bool> confined{false};

}  // namespace

void ConfineWritesToGameTree(bool on) { confined = on; }
bool WritesConfined() { return confined; }

void CheckJobWriteInGameTree(std::string_view name) {
  if (WritesConfined()) detail::WriteTarget(ResolvePath(name), name);
}

std::string LinkOutOfGameText(std::string_view name) {
  return "Not changed: " + std::string(name) + " leads out of the game folder through a symbolic link.";
}

}  // namespace vantrel::platform
