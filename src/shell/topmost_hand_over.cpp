#include "shell/topmost_hand_over.h"

namespace corvanta {

void TopmostHandOver::Take(std::span<const HWND> peers) {
  taken_ = modes_.TakeTopmost();
  peersTaken_ = TakeTopmostFrom(peers);
}

void TopmostHandOver::GiveBack(std::span<const HWND> peers) {
  modes_.GiveTopmostBack(taken_);
  taken_ = {};
  GiveTopmostBackTo(peers, peersTaken_);
  peersTaken_.clear();
}

}  // namespace corvanta
