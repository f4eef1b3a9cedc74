// The effect list's custom drawing as the list view asks for it: a NM_CUSTOMDRAW record sent to the main
// window and read back, and the list's real painting into a bitmap.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/main_window.h"
#include "effects/effect_list.h"
#include "platform/gdi.h"

namespace corvanta::testing {

inline constexpr const char* kDefaultColourSection =
    "[Color]\r\nC1=2894892\r\nC2=13944764\r\nC3=15132390\r\nC4=10256239\r\nC5=65535\r\nC6=2894892\r\n"
    "C7=15790320\r\nC8=15790320\r\nC9=65280\r\n";

struct DrawnRow {
  COLORREF text = 0;
  COLORREF background = 0;
  LRESULT reply = 0;
  UINT itemState = 0;
};

// One draw stage of a row, filled in as the list fills it in: its own colours, and the selected and
// focused state of the row.
inline DrawnRow CustomDraw(MainWindow& main, int row, DWORD stage = CDDS_ITEMPREPAINT) {
  const HWND list = main.List().Hwnd();
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr.hwndFrom = list;
  draw.nmcd.hdr.idFrom = GetDlgCtrlID(list);
  draw.nmcd.hdr.code = NM_CUSTOMDRAW;
  draw.nmcd.dwDrawStage = stage;
  draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
  draw.nmcd.uItemState = ListView_GetItemState(list, row, LVIS_SELECTED) != 0 ? CDIS_SELECTED | CDIS_FOCUS : 0;
  draw.clrText = ListView_GetTextColor(list);
  draw.clrTextBk = ListView_GetTextBkColor(list);
  const LRESULT reply = SendMessageW(main.Hwnd(), WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
  return DrawnRow{draw.clrText, draw.clrTextBk, reply, draw.nmcd.uItemState};
}

inline void SelectOnly(MainWindow& main, int row) {
  const HWND list = main.List().Hwnd();
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row >= 0) ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

// The list painted by itself (WM_PRINTCLIENT, which runs its custom drawing) into a bitmap.
class PaintedList {
 public:
  explicit PaintedList(HWND list) : list_(list) {
    RECT client{};
    GetClientRect(list, &client);
    ScopedWindowDC screen(list);
    dc_ = std::make_unique<ScopedMemoryDC>(screen.Get());
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    select_ = std::make_unique<ScopedSelect>(dc_->Get(), bitmap_.Get());
    SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_->Get()), PRF_CLIENT);
  }
  // The background of a row at the right end of its last column, where no text reaches.
  COLORREF RowBackground(int row) const {
    RECT bounds{};
    ListView_GetItemRect(list_, row, &bounds, LVIR_BOUNDS);
    return GetPixel(dc_->Get(), bounds.right - 3, (bounds.top + bounds.bottom) / 2);
  }

 private:
  HWND list_;
  std::unique_ptr<ScopedMemoryDC> dc_;
  ScopedBitmap bitmap_;
  std::unique_ptr<ScopedSelect> select_;
};

}  // namespace corvanta::testing
