// Move-only owner of a Win32 handle. Traits give the handle type, the value
// that means "none" and how to release it.
#pragma once

#include <utility>

namespace pavonet::win32 {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

  Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

  // Releases the owned handle (if any) and takes `handle`. Returns whether
  // the release succeeded.
  bool Reset(Handle handle = Traits::Invalid()) noexcept {
    const Handle old = std::exchange(handle_, handle);
    return old == Traits::Invalid() || Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};

}  // namespace pavonet::win32
