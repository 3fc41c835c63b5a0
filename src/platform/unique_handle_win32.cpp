#include "platform/unique_handle.h"

#include <windows.h>

#include "platform/handle_io.h"

namespace vantrel::platform::detail {

UniqueHandle::UniqueHandle(void* handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}

UniqueHandle::~UniqueHandle() {
  if (handle_ != nullptr) ::CloseHandle(handle_);
}

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) ::CloseHandle(handle_);
    handle_ = other.release();
  }
  return *this;
}

void* UniqueHandle::release() {
  void* handle = handle_;
  handle_ = nullptr;
  return handle;
}

void UniqueHandle::Close() {
  if (handle_ == nullptr) return;
  if (!::CloseHandle(release())) ThrowLastError();
}

}  // namespace vantrel::platform::detail
