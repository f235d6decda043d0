// TSizeConstraints: the smallest and largest size a control may take.
//
//   control->Constraints().SetMinWidth(200);   // 0: no limit
#pragma once

#include "framework/persistent.h"

namespace kestrova::framework {

class TSizeConstraints : public TPersistent {
  KESTROVA_CLASS(TSizeConstraints)

 public:
  int MinWidth() const { return min_width_; }
  void SetMinWidth(int v) { min_width_ = v; }
  int MinHeight() const { return min_height_; }
  void SetMinHeight(int v) { min_height_ = v; }
  int MaxWidth() const { return max_width_; }
  void SetMaxWidth(int v) { max_width_ = v; }
  int MaxHeight() const { return max_height_; }
  void SetMaxHeight(int v) { max_height_ = v; }
  // Width and height kept inside the limits (0 means no limit).
  void Apply(int& width, int& height) const;

 private:
  int min_width_ = 0, min_height_ = 0, max_width_ = 0, max_height_ = 0;
};

}  // namespace kestrova::framework
