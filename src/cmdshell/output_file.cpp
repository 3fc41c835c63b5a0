#include "cmdshell/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "cmdshell/shell_paths.h"
#include "cmdshell/shell_texts.h"
#include "platform/errors.h"

namespace vantrel::cmdshell {

OutputFile::OutputFile(std::string_view name, bool append) {
  if (!IsWellFormedName(name, false) || EndsWithSeparator(name)) throw Error(kBadName);
  const NameOnDisk target = LookUpName(name);
  // Permission bits do not stop root, yet Windows never writes into a read-only file.
  if (target.readOnly || target.directory) throw InOutError(5);
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
  fd_ = ::open(target.path.c_str(), flags, 0666);
  if (fd_ < 0) {
    // Creating a file can only miss its folder.
    throw InOutError(errno == ENOENT ? 3 : InOutError::CodeForErrno(errno));
  }
}

OutputFile::~OutputFile() {
  if (fd_ >= 0) ::close(fd_);
}

void OutputFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t done = ::write(fd_, bytes.data(), bytes.size());
    if (done < 0 && errno == EINTR) continue;
    if (done < 0) throw InOutError::FromErrno(errno);
    if (done == 0) throw InOutError(101);
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
}

void OutputFile::Close() {
  const int fd = fd_;
  fd_ = -1;
  if (fd >= 0 && ::close(fd) != 0 && errno != EINTR) throw InOutError::FromErrno(errno);
}

}  // namespace vantrel::cmdshell
