// How the effect list's rows are coloured: the list tells it which row is the enabled one and hands it
// the list's custom drawing.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace corvanta {

class RowColouring {
 public:
  virtual ~RowColouring() = default;
  // Colours the list in the program's colours with the enabled row marked (-1: no row).
  virtual void MarkEnabledRow(HWND list, int enabledRow) = 0;
  // NM_CUSTOMDRAW of the list: true, with the reply in result, when it coloured the list.
  virtual bool OnCustomDraw(NMLVCUSTOMDRAW& draw, LRESULT& result) const = 0;
};

}  // namespace corvanta
