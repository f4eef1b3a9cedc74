#include "prefs/prefs_layout.h"

#include "platform/dpi_scale.h"

namespace corvanta {

namespace {

constexpr int kMargin = 10;
constexpr int kRowHeight = 22;  // the first label's height

// Advanced options.
constexpr int kColourLabelWidth = 150;
constexpr int kPickerWidth = 150;
constexpr int kPickerGap = 4;
constexpr int kButtonWidth = 70;
constexpr int kButtonGap = 6;
constexpr int kRadioWidth = 74;
constexpr int kExtraWidth = 38;
constexpr int kExtraHeight = 30;
constexpr int kHeightInRows = 19;

// Colour scheme.
constexpr int kSchemeLabelWidth = 80;
constexpr int kSchemeGap = 14;
constexpr int kSchemePickerWidth = 70;
constexpr int kSchemeRowPitch = 26;
constexpr int kSchemeExtraWidth = 68;
constexpr int kSchemeExtraHeight = 34;
constexpr int kSchemeHeightInRows = 8;

// Design rectangles, scaled once at the end by their edges, so that neighbours stay apart at any scale.
Rect Scaled(const Rect& r, int dpi) {
  const int left = DpiScale(r.left, dpi);
  const int top = DpiScale(r.top, dpi);
  return Rect{left, top, DpiScale(r.left + r.width, dpi) - left, DpiScale(r.top + r.height, dpi) - top};
}

// A row at a position counted in half rows from the top margin.
int RowTop(int halfRows) { return kMargin + halfRows * kRowHeight / 2; }

SectionButtons ButtonRow(int halfRows, int contentWidth) {
  const int y = RowTop(halfRows);
  const int statusX = kMargin + 2 * (kButtonWidth + kButtonGap);
  return SectionButtons{{kMargin, y, kButtonWidth, kRowHeight + 2},
                        {kMargin + kButtonWidth + kButtonGap, y, kButtonWidth, kRowHeight + 2},
                        {statusX, y, kMargin + contentWidth - statusX, kRowHeight + 2}};
}

SectionButtons ScaledButtons(const SectionButtons& b, int dpi) {
  return SectionButtons{Scaled(b.apply, dpi), Scaled(b.defaults, dpi), Scaled(b.status, dpi)};
}

}  // namespace

AdvancedOptionsLayout LayOutAdvancedOptions(int dpi, int frameWidth) {
  const int contentWidth = kColourLabelWidth + kPickerWidth;
  AdvancedOptionsLayout design;
  design.colourLabel = {kMargin, RowTop(0), kColourLabelWidth, kRowHeight};
  design.picker = {kMargin + kColourLabelWidth, RowTop(0), kPickerWidth - kPickerGap, kRowHeight};
  design.currentColour = {kMargin, RowTop(2), contentWidth, kRowHeight};
  design.pendingColour = {kMargin, RowTop(4), contentWidth, kRowHeight};
  design.colour = ButtonRow(6, contentWidth);

  design.placementLabel = {kMargin, RowTop(9), contentWidth, kRowHeight};
  for (int i = 0; i < 4; ++i) {
    design.placementRadios[i] = {kMargin + i * kRadioWidth, RowTop(11), kRadioWidth, kRowHeight};
  }
  design.placement = ButtonRow(13, contentWidth);

  // The group box's frame runs through the middle of its caption line; its radio buttons keep clear of it.
  design.fontLabel = {kMargin, RowTop(16), contentWidth, kRowHeight};
  design.fontGroup = {kMargin, RowTop(18), contentWidth, 3 * kRowHeight};
  for (int i = 0; i < 8; ++i) {
    design.fontRadios[i] = {kMargin + 8 + (i % 4) * kRadioWidth,
                            RowTop(18) + kRowHeight / 2 + 2 + (i / 4) * (kRowHeight + 2), kRadioWidth - 10, kRowHeight};
  }
  design.font = ButtonRow(25, contentWidth);

  design.followLabel = {kMargin, RowTop(28), contentWidth, kRowHeight};
  design.followMove = {kMargin, RowTop(30), contentWidth / 2, kRowHeight};
  design.followClient = {kMargin + contentWidth / 2, RowTop(30), contentWidth / 2, kRowHeight};
  design.follow = ButtonRow(32, contentWidth);

  AdvancedOptionsLayout layout;
  layout.windowWidth = DpiScale(kColourLabelWidth + kPickerWidth + kExtraWidth, dpi);
  layout.windowHeight = kHeightInRows * DpiScale(kRowHeight, dpi) + DpiScale(kExtraHeight, dpi) - frameWidth / 2;
  layout.colourLabel = Scaled(design.colourLabel, dpi);
  layout.picker = Scaled(design.picker, dpi);
  layout.currentColour = Scaled(design.currentColour, dpi);
  layout.pendingColour = Scaled(design.pendingColour, dpi);
  layout.colour = ScaledButtons(design.colour, dpi);
  layout.placementLabel = Scaled(design.placementLabel, dpi);
  for (int i = 0; i < 4; ++i) layout.placementRadios[i] = Scaled(design.placementRadios[i], dpi);
  layout.placement = ScaledButtons(design.placement, dpi);
  layout.fontLabel = Scaled(design.fontLabel, dpi);
  layout.fontGroup = Scaled(design.fontGroup, dpi);
  for (int i = 0; i < 8; ++i) layout.fontRadios[i] = Scaled(design.fontRadios[i], dpi);
  layout.font = ScaledButtons(design.font, dpi);
  layout.followLabel = Scaled(design.followLabel, dpi);
  layout.followMove = Scaled(design.followMove, dpi);
  layout.followClient = Scaled(design.followClient, dpi);
  layout.follow = ScaledButtons(design.follow, dpi);
  return layout;
}

ColourSchemeLayout LayOutColourScheme(int dpi, int frameWidth) {
  const int w = kSchemeLabelWidth;
  const int columns[4] = {kMargin, kMargin + w + kSchemeGap, kMargin + 2 * w + 2 * kSchemeGap,
                          kMargin + 3 * w + 3 * kSchemeGap};
  ColourSchemeLayout layout;
  for (int n = 0; n < 9; ++n) {
    const int y = kMargin + (n / 2) * kSchemeRowPitch;
    const int column = (n % 2) * 2;
    layout.labels[n] = Scaled({columns[column], y, w, kRowHeight}, dpi);
    layout.pickers[n] = Scaled({columns[column + 1], y, kSchemePickerWidth, kRowHeight}, dpi);
  }
  const int buttonsY = kMargin + 5 * kSchemeRowPitch;
  layout.defaultsButton = Scaled({columns[0], buttonsY, w, kRowHeight + 2}, dpi);
  layout.status = Scaled({columns[1], buttonsY, w + kSchemeGap - 4, kRowHeight + 2}, dpi);
  layout.randomButton = Scaled({columns[2], buttonsY, w, kRowHeight + 2}, dpi);
  layout.applyButton = Scaled({columns[3], buttonsY, kSchemePickerWidth, kRowHeight + 2}, dpi);
  layout.windowWidth = 4 * DpiScale(w, dpi) + DpiScale(kSchemeExtraWidth, dpi);
  layout.windowHeight =
      kSchemeHeightInRows * DpiScale(kRowHeight, dpi) + DpiScale(kSchemeExtraHeight, dpi) - frameWidth / 2;
  return layout;
}

}  // namespace corvanta
