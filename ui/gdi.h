// Owning wrappers for the GDI and user objects the window holds or selects.
#pragma once

#include <windows.h>

#include <utility>

// A GDI object selected into a device context for the lifetime of this
// object; the previous one is selected back afterwards.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// An icon loaded without LR_SHARED, destroyed with the object.
class UniqueIcon {
 public:
  UniqueIcon() = default;
  explicit UniqueIcon(HICON icon) : icon_(icon) {}
  ~UniqueIcon() {
    if (icon_) DestroyIcon(icon_);
  }
  UniqueIcon(const UniqueIcon&) = delete;
  UniqueIcon& operator=(const UniqueIcon&) = delete;
  UniqueIcon& operator=(UniqueIcon&& other) noexcept {
    std::swap(icon_, other.icon_);
    return *this;
  }
  HICON get() const { return icon_; }

 private:
  HICON icon_ = nullptr;
};
