#include "overlay/overlay_memory.h"

#include <algorithm>

#include "overlay/draw_canvas.h"

namespace corvanta {

namespace {

constexpr SIZE kLargestPrepared{3840, 2160};

}  // namespace

OverlayMemory::OverlayMemory(DrawCanvas& canvas) : canvas_(canvas) {}

OverlayMemory::~OverlayMemory() { Release(); }

void OverlayMemory::Prepare() {
  if (reserve_ != nullptr) return;
  const SIZE screen = LargestMonitorSize();
  reserve_ = std::make_unique<DibReserve>(std::min(screen.cx, kLargestPrepared.cx),
                                          std::min(screen.cy, kLargestPrepared.cy));
  canvas_.DrawNextSurfaceFrom(reserve_.get());
}

void OverlayMemory::Release() {
  if (reserve_ == nullptr) return;
  canvas_.DrawNextSurfaceFrom(nullptr);
  reserve_.reset();
}

}  // namespace corvanta
