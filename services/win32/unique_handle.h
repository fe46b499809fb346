#pragma once
// One small owning wrapper per handle kind, each stating its invalid value,
// so that every handle is released on every path, a throw included.

#include <windows.h>
#include <shlobj.h>

#include <utility>

namespace bx {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Traits::Invalid());
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }

  // For out-parameters: releases what is held and hands out the slot.
  Handle* put() {
    reset();
    return &handle_;
  }

  void reset() {
    if (handle_ != Traits::Invalid()) Traits::Close(handle_);
    handle_ = Traits::Invalid();
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle key) { RegCloseKey(key); }
};
using UniqueRegKey = UniqueHandle<RegKeyTraits>;

struct FindTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle find) { FindClose(find); }
};
using UniqueFind = UniqueHandle<FindTraits>;

struct ItemIdListTraits {
  using Handle = LPITEMIDLIST;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle list) { CoTaskMemFree(list); }
};
using UniqueItemIdList = UniqueHandle<ItemIdListTraits>;

}  // namespace bx
