#include "overlay/pen_samples.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>
#include "shell/colour.h"

namespace corvanta {

namespace {

PixelMask DrawOneLine(HPEN pen, int32_t width, int32_t height, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  PixelMask mask{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height, 0)};
  void* bits = nullptr;
  ScopedBitmap bitmap(CreateTopDownDib(width, height, &bits));
  ScopedMemoryDC dc(nullptr);
  if (!bitmap || bits == nullptr || dc.Get() == nullptr || pen == nullptr) return mask;
  ScopedSelect selectBitmap(dc.Get(), bitmap.Get());
  ScopedSelect selectPen(dc.Get(), pen);
  SetBkMode(dc.Get(), TRANSPARENT);
  MoveToEx(dc.Get(), x1, y1, nullptr);
  LineTo(dc.Get(), x2, y2);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);  // a new DIB section starts all zero
  for (size_t i = 0; i < mask.cells.size(); ++i) mask.cells[i] = (pixels[i] & 0xFFFFFFu) != 0 ? 1 : 0;
  return mask;
}

}  // namespace

std::vector<uint8_t> SampleStyledRow(int penStyle, int32_t length) {
  ScopedPen pen(CreatePen(penStyle, 0, ToColorRef({255, 255, 255})));
  return DrawOneLine(pen.Get(), length, 1, 0, 0, length, 0).cells;
}

WideLineSampler::WideLineSampler(int32_t penWidth) : pen_(CreatePen(PS_SOLID, penWidth, ToColorRef({255, 255, 255}))) {}

WideLineSampler::~WideLineSampler() {
  selectPen_.reset();
  selectBitmap_.reset();
  dc_.reset();
}

bool WideLineSampler::Fit(int32_t width, int32_t height) {
  if (bits_ != nullptr && width <= width_ && height <= height_) return true;
  selectPen_.reset();
  selectBitmap_.reset();
  dc_.reset();
  bits_ = nullptr;
  width = std::max(width, width_);
  height = std::max(height, height_);
  void* bits = nullptr;
  bitmap_.Reset(CreateTopDownDib(width, height, &bits));
  if (!bitmap_ || bits == nullptr || !pen_) return false;
  dc_ = std::make_unique<ScopedMemoryDC>(nullptr);
  if (dc_->Get() == nullptr) return false;
  selectBitmap_ = std::make_unique<ScopedSelect>(dc_->Get(), bitmap_.Get());
  selectPen_ = std::make_unique<ScopedSelect>(dc_->Get(), pen_.Get());
  bits_ = static_cast<uint32_t*>(bits);
  width_ = width;
  height_ = height;
  return true;
}

PixelMask WideLineSampler::Draw(const StrokeFrame& frame) {
  PixelMask mask{frame.width, frame.height, std::vector<uint8_t>(static_cast<size_t>(frame.width) * frame.height, 0)};
  if (!Fit(frame.width, frame.height)) return mask;
  for (int32_t y = 0; y < frame.height; ++y) std::memset(bits_ + static_cast<size_t>(y) * width_, 0, frame.width * 4u);
  MoveToEx(dc_->Get(), frame.startX, frame.startY, nullptr);
  LineTo(dc_->Get(), frame.endX, frame.endY);
  GdiFlush();
  for (int32_t y = 0; y < frame.height; ++y) {
    const uint32_t* row = bits_ + static_cast<size_t>(y) * width_;
    for (int32_t x = 0; x < frame.width; ++x) {
      // The line may reach past the frame on the larger surface; only the frame is read.
      mask.cells[static_cast<size_t>(y) * frame.width + x] = (row[x] & 0xFFFFFFu) != 0 ? 1 : 0;
    }
  }
  return mask;
}

const DashPattern* LearntDashPattern(int penStyle) {
  constexpr int32_t kSampleLength = 96;  // long enough for every pattern to repeat at least twice
  static std::map<int, std::optional<DashPattern>> known;
  auto found = known.find(penStyle);
  if (found == known.end()) {
    found = known.emplace(penStyle, DashPatternFromRow(SampleStyledRow(penStyle, kSampleLength))).first;
  }
  return found->second ? &*found->second : nullptr;
}

const StrokeModel* LearntStrokeModel(int32_t penWidth, int ux, int uy) {
  static std::map<std::tuple<int32_t, int, int>, std::optional<StrokeModel>> known;
  const auto key = std::make_tuple(penWidth, ux, uy);
  auto found = known.find(key);
  if (found == known.end()) {
    WideLineSampler sampler(penWidth);
    const auto sample = [&](int32_t length) { return sampler.Draw(SampleFrame(penWidth, ux, uy, length)); };
    found = known.emplace(key, BuildStrokeModel(penWidth, ux, uy, sample)).first;
  }
  return found->second ? &*found->second : nullptr;
}

}  // namespace corvanta
