#pragma once
// A folder filled under a hidden temporary name in the current folder and put in place
// whole under its real name, so that a failure or a kill halfway leaves no half folder
// for a scan to find. A temporary left by a killed process is swept away by the next one.
#include <time.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/errors.h"
#include "platform/unique_fd.h"

namespace vantrel::platform {

// "There is already a file or folder named NAME in the working folder."
std::string NameTakenText(std::string_view name);

// Raised when the name a new folder is to take is there already, in any letter case.
class NameTakenError : public Error {
 public:
  explicit NameTakenError(std::string name) : Error(NameTakenText(name)), name_(std::move(name)) {}
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// Whether an entry of any kind, hidden or not, has `name` in the current folder, in any
// letter case: Windows would take the one for the other.
bool NameTaken(std::string_view name);

// A file being written inside a NewFolder.
class NewFile {
 public:
  explicit NewFile(int fd) : fd_(fd) {}
  ~NewFile() = default;  // closes without raising
  NewFile(NewFile&& other) noexcept = default;
  NewFile& operator=(NewFile&&) = delete;
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  // Writes at `offset`; a gap before it stays a hole. Raises InOutError (101 disk full).
  void WriteAt(std::uint64_t offset, const char* data, std::size_t size);
  // Gives the file its length (a hole at its end included) and, when given, its
  // modification time, and closes it. Raises InOutError.
  void Finish(std::uint64_t length, std::optional<timespec> modified);

 private:
  detail::UniqueFd fd_;
};

class NewFolder {
 public:
  // Creates the temporary in the current folder. Raises InOutError, or Error when writes
  // are confined and the current folder lies outside the game tree.
  NewFolder();
  ~NewFolder();  // removes the temporary and everything in it unless it was put in place
  NewFolder(const NewFolder&) = delete;
  NewFolder& operator=(const NewFolder&) = delete;

  // `inner` is a "/" separated path inside the folder whose names the caller has checked.
  // Names are found without regard to letter case, as Windows would, so "Tex/a" and "tex/b"
  // share a folder. Folders on the way are made as needed.
  // False when a file stands where a folder is to be.
  bool AddFolder(std::string_view inner);
  // Nothing when `inner` is there already (a file or a folder). Raises InOutError.
  std::optional<NewFile> AddFile(std::string_view inner);

  // Makes every file and folder of it durable, then gives it `name` in the current folder.
  // Raises NameTakenError when the name is taken, InOutError when the disk fails. The
  // caller holds the folder's lock, so that no other job of ours takes the name meanwhile.
  void PutInPlace(std::string_view name);

  const std::string& TemporaryPath() const { return temporary_; }

 private:
  std::string temporary_;
  bool placed_ = false;
};

}  // namespace vantrel::platform
