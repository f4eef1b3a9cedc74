// The visual debug area: a resizable, layered window above the suite that previews the values being
// edited with the overlay's own grid. Its background is the debug colour key, so the backdrop window
// kept under its client rectangle shows through between the lines.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/gdi.h"
#include "platform/window_base.h"

namespace corvanta {

class Program;
class BackdropWindow;
class DrawCanvas;
class SuiteWindow;

class DebugAreaWindow : public WindowBase<DebugAreaWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaDebugAreaWindow";
  static constexpr UINT kPreviewRedrawDelay = 30;
  static constexpr UINT kResizeRedrawDelay = 60;
  static constexpr UINT kFileRedrawDelay = 60;
  static constexpr UINT kPlacementInterval = 30;

  ~DebugAreaWindow() override;

  // Sizes itself from the screen and the suite's height, creates the canvas and the backdrop window
  // and applies the colour key at the suite's strength.
  bool Create(int strength);

  DrawCanvas& Canvas() { return *canvas_; }
  BackdropWindow& Backdrop() { return *backdrop_; }

  // One-shot redraws; starting one that is waiting restarts its delay.
  void StartPreviewRedraw(UINT milliseconds = kPreviewRedrawDelay);
  void StartFileRedraw(UINT milliseconds = kFileRedrawDelay);
  bool PreviewRedrawPending() const { return previewPending_; }
  bool FileRedrawPending() const { return filePending_; }
  int PreviewRedraws() const { return previewRedraws_; }
  int Placements() const { return placements_; }

  // The layered window's alpha over the debug colour key.
  void ApplyStrength(int strength);
  // Moves the backdrop window under the client rectangle, directly below this window.
  void PlaceBackdrop();
  // A transparent background hides the backdrop, so whatever lies behind shows through.
  void SetBackgroundTransparent(bool transparent);

 protected:
  DebugAreaWindow(Program& program, SuiteWindow& suite);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SIZE ClientSize() const;
  void RedrawPreview();
  void RedrawFromFile();

  Program& program_;
  SuiteWindow& suite_;
  std::unique_ptr<DrawCanvas> canvas_;
  std::unique_ptr<BackdropWindow> backdrop_;
  ScopedBrush background_;
  bool previewPending_ = false;
  bool filePending_ = false;
  bool transparent_ = false;
  int previewRedraws_ = 0;
  int placements_ = 0;
};

}  // namespace corvanta
