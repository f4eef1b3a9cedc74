#include "capture/region_screenshot.h"

#include "shell/program.h"

namespace corvanta {

void RunRegionShotFormat(Program& program, Screenshots& screenshots, RegionShotSelection selection) {
  OwnedWindow<RegionShotFormatWindow> format(program, screenshots, std::move(selection));
  format.RunModal();
}

}  // namespace corvanta
