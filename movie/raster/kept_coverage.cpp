#include "movie/raster/kept_coverage.h"

#include <algorithm>
#include <utility>

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

KeptCoverage& KeptCoverage::operator=(const KeptCoverage& other) {
  if (this != &other) Forget();
  return *this;
}

KeptCoverage::KeptCoverage(KeptCoverage&& other) noexcept { *this = std::move(other); }

KeptCoverage& KeptCoverage::operator=(KeptCoverage&& other) noexcept {
  if (this == &other) return *this;
  Release();
  state = other.state;
  width = other.width, height = other.height;
  apart = other.apart;
  left = other.left, top = other.top, right = other.right, bottom = other.bottom;
  fills = std::move(other.fills);
  budget_ = std::move(other.budget_);
  charged_ = std::exchange(other.charged_, 0);
  other.state = State::Unseen;
  other.fills.clear();
  return *this;
}

bool KeptCoverage::Charge(const std::shared_ptr<CoverageBudget>& to) {
  Release();
  size_t bytes = 0;
  for (const CoverageRecord& record : fills) bytes += record.Bytes();
  if (bytes > kMaxBytes || bytes > to->limit - std::min(to->used, to->limit)) return false;
  to->used += bytes;
  budget_ = to;
  charged_ = bytes;
  return true;
}

void KeptCoverage::Release() {
  if (budget_) budget_->used -= charged_;
  budget_.reset();
  charged_ = 0;
}

void KeptCoverage::Forget() {
  Release();
  state = State::Unseen;
  for (CoverageRecord& record : fills) record.Clear();
}

}  // namespace kestrova::raster
