// The colour scheme of the effect list: the nine program colours (Color/C1..C9), the colours the list
// is drawn with, and which text and background one row gets.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace corvanta {

inline constexpr int kProgramColourCount = 9;
using ProgramColours = std::array<uint32_t, kProgramColourCount>;  // C1..C9 as COLORREF values

// The first-run scheme, C1..C9.
inline constexpr ProgramColours kDefaultProgramColours{2894892, 13944764, 15132390, 10256239, 65535,
                                                       2894892, 15790320, 15790320, 65280};

// What C1..C8 paint (C9 is the line colour of the custom region selection).
struct ListColours {
  uint32_t enabledText = 0;          // C1
  uint32_t enabledBackground = 0;    // C2
  uint32_t alternateBackground = 0;  // C3: rows with an odd index
  uint32_t selectedBackground = 0;   // C4
  uint32_t selectedText = 0;         // C5
  uint32_t text = 0;                 // C6: the list's text colour
  uint32_t textBackground = 0;       // C7: the list's text background (even rows)
  uint32_t background = 0;           // C8: the list's background where there are no rows
};

ListColours ListColoursFrom(const ProgramColours& colours);

// A row drawn in colours of its own (the enabled effect's row).
struct SpecialRow {
  int64_t index = 0;
  uint32_t text = 0;
  uint32_t background = 0;
};

// The colours shared by every coloured list.
struct SharedRowColours {
  uint32_t alternateBackground = 0;
  uint32_t selectedBackground = 0;
  uint32_t selectedText = 0;
};

struct RowColours {
  uint32_t text = 0;
  uint32_t background = 0;
  bool operator==(const RowColours&) const = default;
};

// The colours of one row, starting from what the list would draw it with: an odd row takes the
// alternate background, a special row its own pair, and a selected row the selected pair over all else.
RowColours ColourRow(RowColours listColours, int64_t row, bool selected, const SharedRowColours& shared,
                     std::span<const SpecialRow> specialRows);

}  // namespace corvanta
