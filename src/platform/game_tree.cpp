#include "platform/game_tree.h"

#include <atomic>

#include "platform/errors.h"
#include "platform/link_count.h"
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

void CheckInPlaceWriteInGameTree(std::string_view name) {
  if (!WritesConfined()) return;
  CheckJobWriteInGameTree(name);
  if (LinkCount(name) > 1) throw Error(HardLinkedText(name));
}

std::string LinkOutOfGameText(std::string_view name) {
  return "Not changed: " + std::string(name) + " leads out of the game folder through a symbolic link.";
}

std::string HardLinkedText(std::string_view name) {
  return "Not changed: " + std::string(name) + " has other names through hard links, and one may be outside the game folder.";
}

}  // namespace vantrel::platform
