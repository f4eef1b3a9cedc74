#include "prefs/list_row_colours.h"

namespace corvanta {

ListColours ListColoursFrom(const ProgramColours& c) {
  return ListColours{c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]};
}

RowColours ColourRow(RowColours colours, int64_t row, bool selected, const SharedRowColours& shared,
                     std::span<const SpecialRow> specialRows) {
  if ((row & 1) == 1) colours.background = shared.alternateBackground;
  for (const SpecialRow& special : specialRows) {
    if (special.index == row) colours = RowColours{special.text, special.background};
  }
  if (selected) colours = RowColours{shared.selectedText, shared.selectedBackground};
  return colours;
}

}  // namespace corvanta
