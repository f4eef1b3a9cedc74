#include "prefs/list_colouring.h"

#include <algorithm>

namespace corvanta {

const ListColouring::Entry* ListColouring::Find(HWND list) const {
  for (const Entry& entry : entries_) {
    if (entry.list == list) return &entry;
  }
  return nullptr;
}

void ListColouring::Apply(HWND list, int specialRow, const ListColours& colours) {
  const SpecialRow row{specialRow, colours.enabledText, colours.enabledBackground};
  auto found = std::find_if(entries_.begin(), entries_.end(), [list](const Entry& e) { return e.list == list; });
  if (found != entries_.end()) {
    found->specialRows.push_back(row);
  } else {
    entries_.push_back(Entry{list, {row}});
    shared_ = SharedRowColours{colours.alternateBackground, colours.selectedBackground, colours.selectedText};
  }
  ListView_SetTextColor(list, colours.text);
  ListView_SetTextBkColor(list, colours.textBackground);
  ListView_SetBkColor(list, colours.background);
  InvalidateRect(list, nullptr, TRUE);
}

bool ListColouring::Remove(HWND list) {
  const auto removed = std::erase_if(entries_, [list](const Entry& e) { return e.list == list; });
  if (removed == 0) return false;
  InvalidateRect(list, nullptr, TRUE);
  return true;
}

bool ListColouring::OnCustomDraw(NMLVCUSTOMDRAW& draw, LRESULT& result) const {
  const Entry* entry = Find(draw.nmcd.hdr.hwndFrom);
  if (entry == nullptr) return false;
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
    result = CDRF_NOTIFYITEMDRAW;
    return true;
  }
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return false;
  const auto row = static_cast<int64_t>(draw.nmcd.dwItemSpec);
  // The list's own selection state, whatever the record says about focus.
  const bool selected = ListView_GetItemState(entry->list, static_cast<int>(row), LVIS_SELECTED) != 0;
  const RowColours colours =
      ColourRow(RowColours{draw.clrText, draw.clrTextBk}, row, selected, shared_, entry->specialRows);
  draw.clrText = colours.text;
  draw.clrTextBk = colours.background;
  // No highlight or focus of the list's own over these colours.
  draw.nmcd.uItemState = 0;
  result = CDRF_DODEFAULT;
  return true;
}

void ProgramColourRows::MarkEnabledRow(HWND list, int enabledRow) {
  Preview(list, enabledRow, ListColoursFrom(programColours_));
}

bool ProgramColourRows::OnCustomDraw(NMLVCUSTOMDRAW& draw, LRESULT& result) const {
  return colouring_.OnCustomDraw(draw, result);
}

void ProgramColourRows::Preview(HWND list, int markedRow, const ListColours& colours) {
  // Removed first, so the list has exactly one special row.
  colouring_.Remove(list);
  colouring_.Apply(list, markedRow, colours);
}

}  // namespace corvanta
