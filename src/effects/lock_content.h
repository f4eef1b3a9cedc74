// What a lock draws, read from the effect files of the display mode at the moment of the lock.
#pragma once

#include <string>

#include "overlay/overlay_controller.h"

namespace corvanta {

class Program;

// Custom mode: the scanlines of the preset presetName; mixed mode: the scanlines of the mixed-mode pair's
// preset and the pair's picture; picture mode: the picture pictureName. A preset file that is missing
// gives no scanlines, so the previous lock's are drawn again.
LockRequest LockRequestFor(const Program& program, const std::string& presetName, const std::string& pictureName);

}  // namespace corvanta
