// The picture preview ("预览效果图片"): a resizable top-level window whose client area is a drawing
// canvas showing either the picture selected in the effect list or the latest screenshot. It is built
// off screen and hidden, and laid out on its first timer tick, once the picture and its size are known.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "effects/effect_list_text.h"
#include "platform/window_base.h"

namespace corvanta {

class DrawCanvas;
class Program;

class PreviewPictureWindow : public WindowBase<PreviewPictureWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaPreviewPicture";
  static constexpr const char* kInitialCaption = "预览效果图片";

  ~PreviewPictureWindow() override;

  // Creates the window hidden, off screen, and starts its timer. Returns false when creation failed.
  bool Open();
  bool IsOpen() const { return hwnd_ != nullptr; }
  // Runs the layout again on the next tick (a second request while the window is open).
  void RestartTimer();
  // True once the first tick has laid the window out.
  bool IsReady() const { return ready_; }
  DrawCanvas& Canvas() { return *canvas_; }

 protected:
  // selectedName gives the name of the picture selected in the effect list at the moment of the tick.
  PreviewPictureWindow(Program& program, std::function<std::string()> selectedName);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnTimerTick();
  // Loads the picture this request asks for; returns false when the previous picture stays.
  bool LoadRequestedPicture(std::string& caption);
  // The smallest client area, 520 x 340 at 96 DPI.
  static Size MinimumClient(int dpi);
  void FitClientTo(int width, int height);
  void FitCanvasToClient();
  void ApplyMinimumTrackSize(MINMAXINFO& info) const;

  Program& program_;
  std::function<std::string()> selectedName_;
  std::unique_ptr<DrawCanvas> canvas_;
  bool ready_ = false;
};

}  // namespace corvanta
