#include "platform/unique_fd.h"

#include <unistd.h>

#include <cerrno>

#include "platform/errors.h"

namespace vantrel::platform::detail {

UniqueFd::~UniqueFd() {
  if (fd_ >= 0) ::close(fd_);
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.release();
  }
  return *this;
}

int UniqueFd::release() {
  int fd = fd_;
  fd_ = -1;
  return fd;
}

void UniqueFd::Close() {
  if (fd_ < 0) return;
  int fd = release();
  // Linux releases the descriptor even when close reports an error, so never retry.
  if (::close(fd) != 0 && errno != EINTR) throw InOutError::FromErrno(errno);
}

}  // namespace vantrel::platform::detail
