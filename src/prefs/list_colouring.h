// The custom drawing of list views in the program colours. A coloured list has an entry with its
// special rows; the alternate, selected-background and selected-text colours are shared by all entries.
// The list's parent hands every NM_CUSTOMDRAW to OnCustomDraw; lists without an entry are left to draw
// themselves.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "effects/row_colouring.h"
#include "prefs/list_row_colours.h"

namespace corvanta {

class ListColouring {
 public:
  // Adds the special row (C1 on C2) to the list's entry, or creates the entry with it and takes C3..C5
  // as the shared colours; gives the list its own colours C6..C8 and redraws it.
  void Apply(HWND list, int specialRow, const ListColours& colours);
  // Drops the list's entry and redraws the list; false when it had none.
  bool Remove(HWND list);
  bool IsColoured(HWND list) const { return Find(list) != nullptr; }

  // NM_CUSTOMDRAW of a list view: fills in the colours of a coloured list's rows and returns true with
  // the reply in result; false for any other list.
  bool OnCustomDraw(NMLVCUSTOMDRAW& draw, LRESULT& result) const;

 private:
  struct Entry {
    HWND list = nullptr;
    std::vector<SpecialRow> specialRows;
  };
  const Entry* Find(HWND list) const;

  std::vector<Entry> entries_;
  SharedRowColours shared_;
};

// The effect list's rows in the program colours (Color/C1..C8 as the program state holds them), and the
// colour scheme window's preview of other colours on it.
class ProgramColourRows : public RowColouring {
 public:
  explicit ProgramColourRows(const ProgramColours& programColours) : programColours_(programColours) {}

  void MarkEnabledRow(HWND list, int enabledRow) override;
  bool OnCustomDraw(NMLVCUSTOMDRAW& draw, LRESULT& result) const override;
  // The list in these colours, with this row marked, until the next mark.
  void Preview(HWND list, int markedRow, const ListColours& colours);
  const ListColouring& Colouring() const { return colouring_; }

 private:
  const ProgramColours& programColours_;
  ListColouring colouring_;
};

}  // namespace corvanta
