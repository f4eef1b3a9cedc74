#include "update/update_layout.h"

#include "platform/dpi_scale.h"

namespace corvanta {

namespace {

constexpr int kNoticeWidth = 344;
constexpr int kNoticeHeight = 136;
constexpr int kButtonHeight = 40;
constexpr int kMargin = 10;
constexpr int kExtraWidth = 26;
constexpr int kExtraHeight = 72;
constexpr int kDonationWidth = 408;
constexpr int kDonationHeight = 586;

}  // namespace

UpdateWindowLayout ComputeUpdateWindowLayout(int dpi) {
  UpdateWindowLayout layout;
  layout.notice = {DpiScale(kMargin, dpi), DpiScale(kMargin, dpi), DpiScale(kNoticeWidth, dpi),
                   DpiScale(kNoticeHeight, dpi)};
  layout.homepageButton = {layout.notice.left, layout.notice.top + layout.notice.height + DpiScale(kMargin, dpi),
                           layout.notice.width, DpiScale(kButtonHeight, dpi)};
  layout.window = {layout.notice.width + DpiScale(kExtraWidth, dpi),
                   layout.notice.height + layout.homepageButton.height + DpiScale(kExtraHeight, dpi)};
  return layout;
}

Size DonationWindowSize(int dpi) { return {DpiScale(kDonationWidth, dpi), DpiScale(kDonationHeight, dpi)}; }

}  // namespace corvanta
