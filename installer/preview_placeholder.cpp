#include "installer/preview_placeholder.h"

#include "framework/class_builder.h"

namespace kestrova {

using namespace framework;

const ClassInfo& TPreviewPlaceholder::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TPreviewPlaceholder>("TPreviewPlaceholder", &TPanel::StaticClass())
          .Binary("ControlData", &TPreviewPlaceholder::ControlData,
                  &TPreviewPlaceholder::SetControlData)
          .Build();
  return info;
}

TPreviewPlaceholder::TPreviewPlaceholder(TComponent* owner) : TPanel(owner) {
  SetBevelOuter(TBevelCut::bvLowered);
  SetCaption("");
}

std::string TPreviewPlaceholder::StateValue(const std::string& name) const {
  constexpr size_t kHeader = 8;  // "KSF1", block size, entry count
  const std::string wanted = name + "=";
  std::string entry;
  for (size_t i = kHeader; i + 1 < control_data_.size(); i += 2) {
    uint16_t unit = uint16_t(control_data_[i] | control_data_[i + 1] << 8);
    if (unit != 0) {
      entry.push_back(unit < 0x80 ? char(unit) : '?');
      continue;
    }
    if (entry.empty()) break;  // the padding
    if (entry.compare(0, wanted.size(), wanted) == 0) return entry.substr(wanted.size());
    entry.clear();
  }
  return "";
}

}  // namespace kestrova
