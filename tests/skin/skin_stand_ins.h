// Stand-ins for skinned components in the tests: a skinned form frame known
// only by its class name, and a skinned control that publishes FileTheme and
// UIStyle and records the order its setters run in.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "framework/bitmap.h"
#include "framework/custom_control.h"
#include "framework/form.h"
#include "skin/filetheme.h"
#include "skin/styles.h"

namespace kestrova::skin::testing {

class TsuiForm : public framework::TCustomControl {
  KESTROVA_CLASS(TsuiForm)

 public:
  explicit TsuiForm(framework::TComponent* owner) : TCustomControl(owner) {}
  TsuiUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TsuiUIStyle style) { style_ = style; }

 private:
  TsuiUIStyle style_ = TsuiUIStyle::DeepBlue;
};

class TSkinnedControl : public framework::TCustomControl {
  KESTROVA_CLASS(TSkinnedControl)

 public:
  explicit TSkinnedControl(framework::TComponent* owner) : TCustomControl(owner) {}
  TsuiUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TsuiUIStyle style) {
    style_ = style;
    calls.push_back("UIStyle");
  }
  TsuiFileTheme* FileTheme() const { return theme_; }
  void SetFileTheme(TsuiFileTheme* theme) {
    theme_ = theme;
    calls.push_back("FileTheme");
  }
  std::vector<std::string> calls;

 private:
  TsuiUIStyle style_ = TsuiUIStyle::DeepBlue;
  TsuiFileTheme* theme_ = nullptr;
};

// Publishes UIStyle only.
class TStyledOnly : public framework::TCustomControl {
  KESTROVA_CLASS(TStyledOnly)

 public:
  explicit TStyledOnly(framework::TComponent* owner) : TCustomControl(owner) {}
  TsuiUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TsuiUIStyle style) { style_ = style; }

 private:
  TsuiUIStyle style_ = TsuiUIStyle::DeepBlue;
};

// A file theme whose skin the test supplies.
class TTestFileTheme : public TsuiFileTheme {
 public:
  using TsuiFileTheme::SetSkin;
  using TsuiFileTheme::TsuiFileTheme;
};

// A skin held in memory.
class MemorySkin : public SkinLookup {
 public:
  std::map<std::string, framework::TBitmap, std::less<>> pictures;
  std::map<std::string, int32_t, std::less<>> integers;
  std::map<std::string, bool, std::less<>> flags;

  const framework::TBitmap* GetBitmap(std::string_view name) const override {
    auto it = pictures.find(name);
    return it == pictures.end() ? nullptr : &it->second;
  }
  int32_t GetInteger(std::string_view name) const override {
    auto it = integers.find(name);
    return it == integers.end() ? -1 : it->second;
  }
  bool GetBool(std::string_view name) const override {
    auto it = flags.find(name);
    return it != flags.end() && it->second;
  }
};

// Counts the frame recomputations (WM_NCCALCSIZE) of its window.
class FrameCountingForm : public framework::TForm {
 public:
  using TForm::TForm;
  void WndProc(framework::TMessage& m) override {
    if (m.msg == WM_NCCALCSIZE) ++frames;
    TForm::WndProc(m);
  }
  int frames = 0;
};

}  // namespace kestrova::skin::testing
