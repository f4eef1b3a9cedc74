// Smart attach: the main window as a tinted, borderless selection frame that jumps every 30 ms onto the
// window under the mouse cursor. When it starts, locks or is cancelled is the mode owner's.
#pragma once

#include <windows.h>

namespace corvanta {

class DrawCanvas;
class EffectList;
class MainWindowSeam;
class Program;

class SmartAttach {
 public:
  SmartAttach(Program& program, MainWindowSeam& window, EffectList& list, DrawCanvas& canvas);
  SmartAttach(const SmartAttach&) = delete;
  SmartAttach& operator=(const SmartAttach&) = delete;

  // Selects the enabled entry of the display mode in the effect list; whether it is marked "已启用".
  bool SelectEnabledEffect();
  // The main window as the selection frame, following the cursor from now on.
  void ShowSelectionFrame();
  // One tick of the tracking timer.
  void Track();
  // A left-button press anywhere on the selection frame drags it.
  bool OnLeftButtonDown();

  RECT TrackedRect() const { return tracked_; }
  // The window the frame lies on (the last window under the cursor that is not the frame), null while
  // the frame has not left its own place.
  HWND TrackedWindow() const { return trackedWindow_; }
  // Ticks of the tracking timer since the program started.
  int TrackTicks() const { return trackTicks_; }

 private:
  bool Following() const;

  Program& program_;
  MainWindowSeam& window_;
  EffectList& list_;
  DrawCanvas& canvas_;
  RECT tracked_{};
  HWND trackedWindow_ = nullptr;
  int trackTicks_ = 0;
};

}  // namespace corvanta
