// window_text CAPTION: prints the texts of the top-level window titled
// CAPTION and of its child windows, one a line, then "buttons:" with the
// texts of its visible push buttons from left to right and "icon:" with the
// standard icon it shows (information, warning, error, question, none or
// unknown), so that the end-to-end test can read what a message box really
// says and offers. The icon is recognised by the pixels on the screen: icon
// handles belong to the process that loaded them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "framework/handles.h"

namespace {

using namespace kestrova::framework;

std::string Text(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

BOOL CALLBACK AddChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

bool IsPushButton(HWND window) {
  const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
  return ClassOf(window) == "Button" && IsWindowVisible(window) &&
         (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsIcon(HWND window) {
  return ClassOf(window) == "Static" && IsWindowVisible(window) &&
         (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// 32-bit top-down pixels of a bitmap, or of a w x h part of a device context.
std::vector<DWORD> Pixels(HDC dc, HBITMAP bitmap, int w, int h) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<DWORD> pixels(size_t(w) * h);
  GetDIBits(dc, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
  return pixels;
}

std::vector<DWORD> ScreenPixels(const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  WindowDc screen(nullptr);
  MemoryDc memory(CreateCompatibleDC(screen.Get()));
  BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
  {
    SelectedObject selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY);
  }
  return Pixels(memory.Get(), bitmap.Get(), w, h);
}

// The share of a standard icon's opaque pixels that the shown picture has at
// their place, the icon placed at its best offset inside the picture.
double Match(const std::vector<DWORD>& shown, int w, int h, LPCSTR id) {
  ICONINFO info = {};
  if (!GetIconInfo(LoadIconA(nullptr, id), &info)) return 0;
  const BitmapHandle colorBitmap(info.hbmColor), maskBitmap(info.hbmMask);
  if (!colorBitmap) return 0;
  BITMAP bm = {};
  GetObjectA(colorBitmap.Get(), sizeof bm, &bm);
  const int iw = bm.bmWidth, ih = bm.bmHeight;
  WindowDc dc(nullptr);
  const std::vector<DWORD> color = Pixels(dc.Get(), colorBitmap.Get(), iw, ih);
  const std::vector<DWORD> mask = Pixels(dc.Get(), maskBitmap.Get(), iw, ih);
  const bool alpha = std::any_of(color.begin(), color.end(), [](DWORD p) { return p >> 24; });
  double best = 0;
  for (int oy = 0; oy + ih <= h; ++oy) {
    for (int ox = 0; ox + iw <= w; ++ox) {
      int opaque = 0, same = 0;
      for (int y = 0; y < ih; ++y) {
        for (int x = 0; x < iw; ++x) {
          const DWORD c = color[size_t(y) * iw + x];
          if (alpha ? (c >> 24) != 0xFF : (mask[size_t(y) * iw + x] & 0xFFFFFF) != 0) continue;
          ++opaque;
          same += (shown[size_t(oy + y) * w + ox + x] & 0xFFFFFF) == (c & 0xFFFFFF);
        }
      }
      if (opaque) best = std::max(best, double(same) / opaque);
    }
  }
  return best;
}

std::string IconName(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  // The handle's value tells only whether there is an icon at all.
  if (w <= 0 || h <= 0 || !SendMessageA(window, STM_GETICON, 0, 0)) return "none";
  const std::vector<DWORD> shown = ScreenPixels(r);
  const std::pair<LPCSTR, const char*> icons[] = {{IDI_ASTERISK, "information"},
                                                  {IDI_EXCLAMATION, "warning"},
                                                  {IDI_HAND, "error"},
                                                  {IDI_QUESTION, "question"}};
  for (const auto& [id, name] : icons) {
    if (Match(shown, w, h, id) >= 0.95) return name;
  }
  return "unknown";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_text CAPTION\n");
    return 2;
  }
  HWND window = FindWindowA(nullptr, argv[1]);
  if (!window) return 1;
  if (!Text(window).empty()) std::printf("%s\n", Text(window).c_str());
  std::vector<HWND> buttons;
  std::string icon = "none";
  for (HWND child : Children(window)) {
    if (!Text(child).empty()) std::printf("%s\n", Text(child).c_str());
    if (IsPushButton(child)) buttons.push_back(child);
    if (IsIcon(child)) icon = IconName(child);
  }
  std::sort(buttons.begin(), buttons.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  std::printf("buttons:");
  for (HWND b : buttons) std::printf(" %s", Text(b).c_str());
  std::printf("\nicon: %s\n", icon.c_str());
  return 0;
}
