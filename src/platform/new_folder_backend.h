#pragma once
// Internal to the platform layer: what NewFolder asks of each system. Paths are resolved
// (ResolvePath) and lie inside the new folder, but for the name it is put in place under.
#include <string>

#include "platform/unique_fd.h"

namespace vantrel::platform::detail {

// What stands at a path, a link taken for itself, never for where it leads.
enum class Standing { Nothing, Folder, Other };
Standing WhatStandsAt(const std::string& path);

// Makes the folder; false when anything has its name already. Raises InOutError.
bool MakeFolderUnlessTaken(const std::string& path);

// Creates the file, empty and open for writing (a C runtime descriptor on every system);
// none when anything has its name already. Raises InOutError.
UniqueFd CreateFileUnlessTaken(const std::string& path);

// Gives the folder `from` the name `to` in one step, never over anything that has that name:
// false when something does. The new name is on the disk once it returns. Raises InOutError.
bool MoveFolderUnlessTaken(const std::string& from, const std::string& to);

}  // namespace vantrel::platform::detail
