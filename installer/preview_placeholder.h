// TPreviewPlaceholder: stands in the installer window's design for the movie
// preview control until the player's control can be hosted there. It offers
// what the window uses of that control (its initial state, the movie file,
// Play, its window handle) and shows a plain sunken panel.
//
// ControlData, the control's stored initial state, is kept unchanged. The
// window's design writes it as "KSF1", the block size (uint16, 300), the
// entry count (uint16), then that many zero-terminated UTF-16 "Name=Value"
// entries, then zeros up to the block size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/panel.h"

namespace kestrova {

class TPreviewPlaceholder : public framework::TPanel {
  KESTROVA_CLASS(TPreviewPlaceholder)

 public:
  explicit TPreviewPlaceholder(framework::TComponent* owner);

  const std::vector<uint8_t>& ControlData() const { return control_data_; }
  void SetControlData(const std::vector<uint8_t>& data) { control_data_ = data; }

  const std::string& Movie() const { return movie_; }
  void SetMovie(const std::string& path) { movie_ = path; }
  void Play() { playing_ = true; }
  bool Playing() const { return playing_; }

  // One entry of ControlData ("WMode" gives "Window"), empty when absent.
  std::string StateValue(const std::string& name) const;

 private:
  std::vector<uint8_t> control_data_;
  std::string movie_;
  bool playing_ = false;
};

}  // namespace kestrova
