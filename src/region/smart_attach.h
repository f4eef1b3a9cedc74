// Smart attach: the main window turns into a tinted, borderless selection frame that jumps every
// 30 ms onto the window under the mouse cursor, until a key locks it or Esc/Backspace cancels.
#pragma once

#include <windows.h>

namespace corvanta {

class DrawCanvas;
class EffectList;
class MainWindowSeam;
class OverlayController;
class Program;

class SmartAttach {
 public:
  SmartAttach(Program& program, MainWindowSeam& window, OverlayController& overlay, EffectList& list,
              DrawCanvas& canvas);
  SmartAttach(const SmartAttach&) = delete;
  SmartAttach& operator=(const SmartAttach&) = delete;

  // "智能吸附": does nothing unless the enabled entry of the display mode is marked "已启用".
  void Start();
  // One tick of the tracking timer.
  void Track();
  // "<-=重新吸附窗口": back to the start screen when locked, then a new start.
  void Reattach();
  // A key released on the selection frame: Backspace and Esc cancel, any other key locks the list's
  // selected entry. Returns whether the key was taken for that.
  bool OnKeyReleased(WPARAM virtualKey);
  // A left-button press anywhere on the selection frame drags it.
  bool OnLeftButtonDown();

  RECT TrackedRect() const { return tracked_; }
  // Ticks of the tracking timer since the program started.
  int TrackTicks() const { return trackTicks_; }

 private:
  bool EnabledRowIsMarked();
  void SaveStartScreenGeometry();

  Program& program_;
  MainWindowSeam& window_;
  OverlayController& overlay_;
  EffectList& list_;
  DrawCanvas& canvas_;
  RECT tracked_{};
  int trackTicks_ = 0;
};

}  // namespace corvanta
