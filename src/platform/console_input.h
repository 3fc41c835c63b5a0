#pragma once
// Keys from a console or a pipe, for a shell's pause.
#include <optional>

namespace vantrel::platform {

// One byte of input; none at its end, or when it cannot be read (a console gone), which a
// pause takes as no key, as cmd's does.
std::optional<char> ReadInputByte(int fd);

}  // namespace vantrel::platform
