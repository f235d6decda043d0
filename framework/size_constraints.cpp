#include "framework/size_constraints.h"

#include <algorithm>

#include "framework/class_builder.h"

namespace kestrova::framework {

const ClassInfo& TSizeConstraints::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TSizeConstraints>("TSizeConstraints", &TPersistent::StaticClass())
          .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0)
          .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0)
          .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0)
          .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0)
          .Build();
  return info;
}

void TSizeConstraints::Apply(int& width, int& height) const {
  if (max_width_ > 0) width = std::min(width, max_width_);
  if (max_height_ > 0) height = std::min(height, max_height_);
  if (min_width_ > 0) width = std::max(width, min_width_);
  if (min_height_ > 0) height = std::max(height, min_height_);
}

}  // namespace kestrova::framework
