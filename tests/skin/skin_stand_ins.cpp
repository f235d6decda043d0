#include "tests/skin/skin_stand_ins.h"

#include "framework/class_builder.h"

namespace kestrova::skin::testing {

using framework::ClassBuilder;
using framework::ClassInfo;

const ClassInfo& TsuiForm::StaticClass() {
  static const ClassInfo info = ClassBuilder<TsuiForm>("TsuiForm", &TCustomControl::StaticClass())
                                    .Enumeration<TsuiUIStyle>("UIStyle", &TsuiForm::UIStyle,
                                                              &TsuiForm::SetUIStyle, UIStyleNames())
                                    .Build();
  return info;
}

const ClassInfo& TSkinnedControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TSkinnedControl>("TSkinnedControl", &TCustomControl::StaticClass())
          .Component<TsuiFileTheme>("FileTheme", &TSkinnedControl::FileTheme,
                                    &TSkinnedControl::SetFileTheme)
          .Enumeration<TsuiUIStyle>("UIStyle", &TSkinnedControl::UIStyle,
                                    &TSkinnedControl::SetUIStyle, UIStyleNames())
          .Build();
  return info;
}

const ClassInfo& TStyledOnly::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TStyledOnly>("TStyledOnly", &TCustomControl::StaticClass())
          .Enumeration<TsuiUIStyle>("UIStyle", &TStyledOnly::UIStyle, &TStyledOnly::SetUIStyle,
                                    UIStyleNames())
          .Build();
  return info;
}

}  // namespace kestrova::skin::testing
