#include "movie/player/player.h"

#include <algorithm>
#include <cmath>

namespace kestrova::movie {

Player::Player(std::shared_ptr<const swf::Movie> movie, ScriptHost* host)
    : movie_(std::move(movie)),
      context_{*movie_, 0, 0, host, swf::Timeline{std::vector<swf::Frame>(1)}, {}} {
  root_ = std::make_shared<Clip>(context_, movie_->root, nullptr, 0);
  if (host) host->ClipPlaced(*root_, nullptr);
  root_->Start();
  RunQueuedActions();
  if (host) host->AfterFrame();
}

void Player::Advance() {
  if (context_.host) context_.host->BeforeTick();
  root_->Tick();
  if (context_.host) context_.host->AfterTick();
  RunQueuedActions();
  if (context_.host) context_.host->AfterFrame();
  // What moved may have brought a button under the mouse, or taken one away.
  if (mouse_.inside) {
    UpdateMouseTarget();
    RunQueuedActions();
  }
}

void Player::RunQueuedActions() {
  int runs = 0;
  while (!context_.queue.empty() && runs < kMaxActionRunsPerFrame) {
    // Actions queued while these run go after them.
    std::vector<PlayerContext::QueuedActions> batch;
    batch.swap(context_.queue);
    for (auto& entry : batch) {
      if (++runs > kMaxActionRunsPerFrame) break;
      auto clip = entry.clip.lock();
      if (!clip) continue;
      if (!entry.button) {
        clip->RunActions(entry.frame);
      } else if (context_.host) {
        context_.host->ButtonActionDue(*clip, *entry.button);
      } else if (clip->Parent()) {
        clip->Parent()->RunTimelineActions(entry.button->actions);
      }
    }
  }
  context_.queue.clear();
}

std::chrono::microseconds Player::FramePeriod() const {
  float rate = movie_->header.frameRate;
  if (!(rate > 0)) return std::chrono::microseconds(1000000 / 12);
  return std::chrono::microseconds(std::clamp(std::llround(1e6 / rate), 1000ll, 60000000ll));
}

unsigned Player::FrameInterval() const {
  return static_cast<unsigned>((FramePeriod().count() + 500) / 1000);
}

}  // namespace kestrova::movie
