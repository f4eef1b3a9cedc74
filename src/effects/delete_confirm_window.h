// The modal confirmation before an effect file is deleted: caption "Corvanta_删除文件:", the file's
// full path, and the buttons "确定" and "取消".
#pragma once

#include <windows.h>

#include <string>

#include "platform/dpi_scale.h"
#include "platform/gdi.h"
#include "platform/window_base.h"

namespace corvanta {

class DeleteConfirmWindow : public WindowBase<DeleteConfirmWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaDeleteConfirm";
  static constexpr const char* kCaption = "Corvanta_删除文件:";
  static constexpr int kPathLabelId = 100;

  // Shows the window over owner, which takes no input meanwhile, and returns when it is closed:
  // true for "确定" (or Enter), false for "取消", Esc or the close box.
  bool RunModal(HWND owner);

 protected:
  DeleteConfirmWindow(HINSTANCE instance, std::string path);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreateAt(HWND owner);
  bool CreateControls();
  // The controls' places for dpi_.
  void PlaceControls();
  // The outer size for dpi_.
  SIZE WindowSize() const;
  void OnDpiChanged(int dpi, const RECT& suggested);
  void Close(bool confirmed);

  int Scale(int designValue) const { return DpiScale(designValue, dpi_); }

  HINSTANCE instance_;
  int dpi_ = kDesignDpi;
  std::string path_;
  HWND owner_ = nullptr;
  ScopedFont font_;
  bool confirmed_ = false;
};

}  // namespace corvanta
