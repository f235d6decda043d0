// Move-only owners of Win32 handles, one template for all of them, so no
// component code ever calls DeleteObject, DestroyWindow or ReleaseDC itself.
//
//   FontHandle font(CreateFontIndirectW(&lf));   // deleted with the object
//   SelectedObject keep(dc, font.Get());          // selected back on scope exit
//   WindowDc dc(hwnd);                            // GetDC ... ReleaseDC
#pragma once

#include <windows.h>

#include <utility>

namespace kestrova::framework {

// Owns one handle; Traits names the type, its empty value and how it closes.
template <class Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;

  UniqueHandle() = default;
  explicit UniqueHandle(Type handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Type Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Type{}; }
  // Gives the handle up (for example a region handed to SetWindowRgn).
  Type Release() { return std::exchange(handle_, Type{}); }
  void Reset(Type handle = Type{}) {
    Type old = std::exchange(handle_, handle);
    if (old != Type{}) Traits::Close(old);
  }

 private:
  Type handle_{};
};

template <class T>
struct GdiObjectTraits {
  using Type = T;
  static void Close(T handle) { DeleteObject(handle); }
};
struct WindowTraits {
  using Type = HWND;
  static void Close(HWND handle) { DestroyWindow(handle); }
};
struct MemoryDcTraits {
  using Type = HDC;
  static void Close(HDC handle) { DeleteDC(handle); }
};
struct MenuTraits {
  using Type = HMENU;
  static void Close(HMENU handle) { DestroyMenu(handle); }
};
struct IconTraits {
  using Type = HICON;
  static void Close(HICON handle) { DestroyIcon(handle); }
};

using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using PenHandle = UniqueHandle<GdiObjectTraits<HPEN>>;
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using RegionHandle = UniqueHandle<GdiObjectTraits<HRGN>>;
using WindowHandle = UniqueHandle<WindowTraits>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;
using IconHandle = UniqueHandle<IconTraits>;

// A window's client DC (GetDC) or whole-window DC (GetWindowDC), released on
// destruction.
class WindowDc {
 public:
  enum Area { kClient, kWholeWindow };
  explicit WindowDc(HWND window, Area area = kClient)
      : window_(window), dc_(area == kClient ? GetDC(window) : GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint ... EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC Get() const { return dc_; }
  const RECT& UpdateRect() const { return paint_.rcPaint; }

 private:
  HWND window_;
  HDC dc_;
  PAINTSTRUCT paint_{};
};

// Selects a GDI object into a DC and selects the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC ... RestoreDC.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  ~SavedDc() { RestoreDC(dc_, id_); }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int id_;
};

}  // namespace kestrova::framework
