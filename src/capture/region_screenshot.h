// The custom-region screenshot's format window over an open selection: the modal format window captures
// the rectangle, without the selection's own windows, and saves it in the format chosen. When the
// screenshot starts and ends is the mode owner's.
#pragma once

#include "capture/region_shot_format_window.h"

namespace corvanta {

class Program;
class Screenshots;

// Returns when the format window is gone.
void RunRegionShotFormat(Program& program, Screenshots& screenshots, RegionShotSelection selection);

}  // namespace corvanta
