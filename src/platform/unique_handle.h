#pragma once
// Internal to the platform layer (Windows): a Win32 handle owned by an object, closed with
// it. The handle is kept as void*, what HANDLE is, so that headers need not pull in
// <windows.h>.

namespace vantrel::platform::detail {

class UniqueHandle {
 public:
  UniqueHandle() = default;
  // Win32 says "no handle" in two ways, INVALID_HANDLE_VALUE and null; both become null.
  explicit UniqueHandle(void* handle);
  ~UniqueHandle();
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept;
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  void* get() const { return handle_; }
  bool valid() const { return handle_ != nullptr; }
  void* release();
  void Close();  // raises InOutError when CloseHandle reports a failure

 private:
  void* handle_ = nullptr;
};

}  // namespace vantrel::platform::detail
