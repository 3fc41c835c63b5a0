#pragma once
// Internal to the platform layer (Windows): files opened through CreateFileW, and the
// read/write loops every file class there shares. Paths are UTF-8, as the system writes
// them ("\" or "/" separated). Not part of the layer's interface.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/join_path.h"
#include "platform/unique_handle.h"

namespace vantrel::platform::detail {

// Raises the InOutError of GetLastError's number, naming `file` when given.
[[noreturn]] void ThrowLastError(std::string_view file = {});

// Whether a failed look at a path (GetLastError's number) says that nothing is there: the
// entry or a folder on its way is missing, or the name is one no file can have. Any other
// failure says nothing of the entry, and must never be taken for its absence.
bool NotThere(unsigned long error);

// Opens an existing file for reading; a folder is refused with 5, as Windows does. So is
// anything but a file on a disk (a device, a pipe), naming it: such a thing hands out
// something other than a file's bytes, or waits for them.
UniqueHandle OpenForReading(std::string_view path);
// Opens an existing file for reading and writing; never creates or truncates. Refuses what
// OpenForReading refuses.
UniqueHandle OpenForUpdate(std::string_view path);
// Creates or empties a file (opens it at its end with `append`). A hidden or system file
// is emptied in place, where CREATE_ALWAYS would refuse it. A missing folder is 3.
UniqueHandle CreateForWriting(std::string_view path, bool append = false);

// Writes every byte at the file position; a write that makes no progress is 101.
void WriteAll(void* file, const char* data, std::size_t size);
// The same at `offset`.
void WriteAllAt(void* file, std::uint64_t offset, const char* data, std::size_t size);
// Reads until `size` bytes are there or the file ends; returns how many.
std::size_t ReadFull(void* file, char* buffer, std::size_t size);
// The same from `offset`.
std::size_t ReadFullAt(void* file, std::uint64_t offset, char* buffer, std::size_t size);
// The whole remaining content of a file.
std::string ReadAll(void* file);

}  // namespace vantrel::platform::detail
