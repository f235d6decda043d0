// Coverage kept between draws. Most shapes of a movie stay where they are
// for many frames; their coverage, once swept, is replayed span by span
// into whatever paint, colour transform and mask the next frame gives them,
// skipping flattening, clipping and sweeping.
//
//   raster::KeptCoverage kept;               // one per group of fills
//   canvas.FillShape(fills, cx, &kept);      // every frame: the same fills
//   kept.Forget();                           // after changing the fills' paths
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "movie/raster/coverage.h"

namespace kestrova::raster {

// The spans one sweep emitted, in order, to be emitted again.
class CoverageRecord final : public SpanSink {
 public:
  void Constant(int y, int x, int count, uint8_t cover) override;
  void Varying(int y, int x, int count, const uint8_t* cover) override;
  void Replay(SpanSink& sink) const;
  void Clear();
  size_t Bytes() const;

 private:
  struct Span {
    int y, x, count;
    uint32_t offset;  // into covers_, for a varying span
    uint8_t cover;    // for a constant span
    bool varying;
  };
  std::vector<Span> spans_;
  std::vector<uint8_t> covers_;
};

// What all the coverage a canvas (and the canvases sharing its buffers)
// keeps may take together: a movie of many large shapes must not take
// memory without end. Groups past it are swept on every draw.
struct CoverageBudget {
  static constexpr size_t kDefaultLimit = size_t(64) << 20;
  size_t used = 0;
  size_t limit = kDefaultLimit;
};

// The coverage of one group of fills (as Canvas::FillShape draws them) in
// a target of one size, swept on the group's first draw. A copy keeps
// nothing (it sweeps on its own first draw), so no coverage is counted
// against a budget twice.
struct KeptCoverage {
  enum class State : uint8_t { Unseen, Held, TooLarge };
  // What one group may keep: beyond it, the group is swept every time.
  static constexpr size_t kMaxBytes = size_t(1) << 20;

  KeptCoverage() = default;
  KeptCoverage(const KeptCoverage&) {}
  KeptCoverage& operator=(const KeptCoverage& other);
  KeptCoverage(KeptCoverage&& other) noexcept;
  KeptCoverage& operator=(KeptCoverage&& other) noexcept;
  ~KeptCoverage() { Release(); }

  State state = State::Unseen;
  int width = 0, height = 0;  // the target size the coverage is for
  bool apart = true;          // the fills share no pixel: each goes straight to the target
  int left = 0, top = 0, right = 0, bottom = 0;  // the shared layer's box otherwise
  std::vector<CoverageRecord> fills;

  // Counts what the records hold against `to`; false (and nothing
  // counted) when it is more than one group or the budget may keep.
  bool Charge(const std::shared_ptr<CoverageBudget>& to);
  // Drops what is kept but keeps the buffers: a shape moving on every
  // frame records into the same memory each time.
  void Forget();

 private:
  void Release();
  std::shared_ptr<CoverageBudget> budget_;
  size_t charged_ = 0;
};

}  // namespace kestrova::raster
