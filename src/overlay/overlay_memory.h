// The memory of the overlay's next canvas. A selection that may end in a lock (smart attach, custom
// region) prepares it on a worker, so that the lock draws into memory already in place; the lock takes
// it, and whatever the lock did not take is given back when the selection ends. While the program waits
// on its start screen no canvas memory is held.
#pragma once

#include <memory>

#include "platform/dib_reserve.h"

namespace corvanta {

class DrawCanvas;

class OverlayMemory {
 public:
  explicit OverlayMemory(DrawCanvas& canvas);
  ~OverlayMemory();
  OverlayMemory(const OverlayMemory&) = delete;
  OverlayMemory& operator=(const OverlayMemory&) = delete;

  // Starts preparing a surface the size of the largest monitor, at most 3840 x 2160 (33 MB); an overlay
  // larger than that takes fresh memory. Nothing new while one is prepared.
  void Prepare();
  // Gives back what the canvas did not take; waits for the worker.
  void Release();
  bool Prepared() const { return reserve_ != nullptr; }

 private:
  DrawCanvas& canvas_;
  std::unique_ptr<DibReserve> reserve_;
};

}  // namespace corvanta
