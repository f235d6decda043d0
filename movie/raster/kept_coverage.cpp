#include "movie/raster/kept_coverage.h"

namespace kestrova::raster {

void CoverageRecord::Constant(int y, int x, int count, uint8_t cover) {
  spans_.push_back({y, x, count, 0, cover, false});
}

void CoverageRecord::Varying(int y, int x, int count, const uint8_t* cover) {
  spans_.push_back({y, x, count, uint32_t(covers_.size()), 0, true});
  covers_.insert(covers_.end(), cover, cover + count);
}

void CoverageRecord::Replay(SpanSink& sink) const {
  for (const Span& s : spans_) {
    if (s.varying)
      sink.Varying(s.y, s.x, s.count, covers_.data() + s.offset);
    else
      sink.Constant(s.y, s.x, s.count, s.cover);
  }
}

void CoverageRecord::Clear() {
  spans_.clear();
  covers_.clear();
}

size_t CoverageRecord::Bytes() const { return spans_.size() * sizeof(Span) + covers_.size(); }

void KeptCoverage::Forget() {
  state = State::Unseen;
  for (CoverageRecord& record : fills) record.Clear();
}

}  // namespace kestrova::raster
