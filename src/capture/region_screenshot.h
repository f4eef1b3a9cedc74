// The custom-region screenshot: started from the tray's "<-+自选区域截图+->" as a custom region
// selection with the region-screenshot flag set, and confirmed by the selection's key release, which
// hands the rectangle over to the format window.
#pragma once

#include "capture/region_shot_format_window.h"

namespace corvanta {

class Program;
class Screenshots;

// The confirmation: the main window takes its start-screen geometry again (shown with
// "#自选区域截取自身" checked, hidden otherwise), the region state ends, the selection's outline is
// hidden, and the modal format window captures and saves. Returns when the format window is gone.
void ConfirmRegionScreenshot(Program& program, Screenshots& screenshots, RegionShotSelection selection);

}  // namespace corvanta
