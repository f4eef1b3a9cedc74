#include "suite/suite_layout.h"

#include <cstdint>

#include "platform/dpi_scale.h"

namespace corvanta {

namespace {

// Design sizes (96 DPI).
constexpr Size kButton{64, 28};
constexpr Size kColourLabel{60, 20};
constexpr Size kPicker{44, 24};
constexpr Size kBackdropLabel{84, 20};
constexpr Size kChooser{180, 240};
constexpr Size kRowLabel{96, 20};
constexpr Size kSlider{180, 28};
constexpr Size kValueLabel{36, 20};
constexpr Size kCheckbox{140, 20};
constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kLabelGap = 4;
constexpr int kRowPitch = 32;
constexpr int kRowsBelowButtons = 14;
constexpr int kRightColumnExtra = 40;
constexpr int kWidthExtra = 76;

constexpr Rect Design(int x, int y, Size size) { return {x, y, size.width, size.height}; }

Rect Scaled(const Rect& r, int dpi) {
  return {DpiScale(r.left, dpi), DpiScale(r.top, dpi), DpiScale(r.width, dpi), DpiScale(r.height, dpi)};
}

// The label centred on a row of the given height.
constexpr int Centred(int top, int rowHeight, int height) { return top + (rowHeight - height) / 2; }

SliderRow DesignRow(int x, int y) {
  const Rect label = Design(x, Centred(y, kSlider.height, kRowLabel.height), kRowLabel);
  const Rect slider = Design(x + kRowLabel.width + kGap, y, kSlider);
  const Rect value =
      Design(slider.left + slider.width + kLabelGap, Centred(y, kSlider.height, kValueLabel.height), kValueLabel);
  return {label, slider, value};
}

SuiteLayout DesignLayout() {
  SuiteLayout l;
  int x = kMargin;
  auto next = [&x](Size size, int y, int gapAfter) {
    const Rect r = Design(x, y, size);
    x += size.width + gapAfter;
    return r;
  };
  const int top = kMargin;
  const int labelTop = Centred(top, kButton.height, kColourLabel.height);
  l.openButton = next(kButton, top, kGap);
  l.closeButton = next(kButton, top, kGap);
  l.lineColourLabel = next(kColourLabel, labelTop, kLabelGap);
  l.lineColourPicker = next(kPicker, Centred(top, kButton.height, kPicker.height), kGap);
  l.backgroundLabel = next(kColourLabel, labelTop, kLabelGap);
  l.backgroundPicker = next(kPicker, Centred(top, kButton.height, kPicker.height), kGap);
  l.backdropLabel = next(kBackdropLabel, labelTop, kLabelGap);
  l.backdropChooser = next(kChooser, 15, 5);
  l.randomButton = next(kButton, top, 0);

  const int firstRow = top + kButton.height + kRowsBelowButtons;
  const int rightColumn = kRowLabel.width + kSlider.width + kValueLabel.width + kRightColumnExtra;
  for (int i = 0; i < kSuiteSliderCount; ++i) {
    const bool left = i < 5;
    l.rows[static_cast<size_t>(i)] = DesignRow(left ? kMargin : rightColumn, firstRow + (i % 5) * kRowPitch);
  }
  const int bottomRow = firstRow + 4 * kRowPitch + kSlider.height + kGap;
  l.saveAsButton = Design(l.randomButton.left, bottomRow, kButton);
  l.saveButton = Design(l.saveAsButton.left - 10 - kButton.width, bottomRow, kButton);
  l.transparentCheckbox = Design(kMargin, Centred(bottomRow, kButton.height, kCheckbox.height), kCheckbox);
  l.clientWidth = 5 * kButton.width + kColourLabel.width + kPicker.width + kBackdropLabel.width + kChooser.width +
                  kWidthExtra;
  l.clientHeight = bottomRow + kButton.height + kMargin;
  return l;
}

int Trunc(double value) { return static_cast<int>(value); }

}  // namespace

SuiteLayout ComputeSuiteLayout(int dpi) {
  SuiteLayout l = DesignLayout();
  for (Rect* r : {&l.openButton, &l.closeButton, &l.lineColourLabel, &l.lineColourPicker, &l.backgroundLabel,
                         &l.backgroundPicker, &l.backdropLabel, &l.backdropChooser, &l.randomButton,
                         &l.transparentCheckbox, &l.saveButton, &l.saveAsButton}) {
    *r = Scaled(*r, dpi);
  }
  for (SliderRow& row : l.rows) {
    row.label = Scaled(row.label, dpi);
    row.slider = Scaled(row.slider, dpi);
    row.value = Scaled(row.value, dpi);
  }
  l.clientWidth = DpiScale(l.clientWidth, dpi);
  l.clientHeight = DpiScale(l.clientHeight, dpi);
  return l;
}

Rect DebugAreaPlace(int screenWidth, int screenHeight, int suiteHeight) {
  const int width = Trunc(screenWidth / 100.0 * 40);
  const int height = Trunc((screenHeight - suiteHeight) / 100.0 * 80);
  const int top = Trunc((screenHeight - suiteHeight + height) / 2.0 - height);
  const int left = Trunc((screenWidth - width) / 2.0);
  return {left, top, width, height};
}

Rect SuitePlace(int screenWidth, int screenHeight, int suiteWidth, int suiteHeight, int debugAreaHeight) {
  return {(screenWidth - suiteWidth) / 2, (screenHeight - suiteHeight + debugAreaHeight) / 2, suiteWidth,
          suiteHeight};
}

Rect BackdropPlace(const Rect& window, int clientWidth, int clientHeight) {
  const int border = (window.width - clientWidth) / 2;
  return {window.left + border, window.top + window.height - clientHeight - border, clientWidth, clientHeight};
}

Rect FitPicture(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || boxWidth <= 0 || boxHeight <= 0) return {};
  // Compare the aspect ratios in 64-bit integers: width-bound when picture w/h >= box w/h.
  const int64_t pictureWide = int64_t{pictureWidth} * boxHeight;
  const int64_t boxWide = int64_t{boxWidth} * pictureHeight;
  int width = boxWidth;
  int height = boxHeight;
  if (pictureWide >= boxWide) {
    height = static_cast<int>(int64_t{pictureHeight} * boxWidth / pictureWidth);
  } else {
    width = static_cast<int>(int64_t{pictureWidth} * boxHeight / pictureHeight);
  }
  if (width < 1) width = 1;
  if (height < 1) height = 1;
  return {(boxWidth - width) / 2, (boxHeight - height) / 2, width, height};
}

}  // namespace corvanta
