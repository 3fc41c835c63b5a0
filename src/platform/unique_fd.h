#pragma once
// Internal to the platform layer: a file descriptor owned by an object, closed with it.

namespace vantrel::platform::detail {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd();
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release();
  void Close();  // raises InOutError when the kernel reports a failure at close

 private:
  int fd_ = -1;
};

}  // namespace vantrel::platform::detail
