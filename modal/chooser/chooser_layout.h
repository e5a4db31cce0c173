#pragma once
// Where the file chooser's parts go on a screen of a given size, measured in
// the current font's character cells, and which part a pointer is over.

#include <cstdint>
#include <string>
#include <string_view>

namespace vdr {

struct ChooserRect {
  int32_t x = 0, y = 0, w = 0, h = 0;
  bool Contains(int32_t px, int32_t py) const { return px >= x && px < x + w && py >= y && py < y + h; }
  int32_t Right() const { return x + w; }
  int32_t Bottom() const { return y + h; }
  bool operator==(const ChooserRect&) const = default;
};

struct ChooserLayout {
  int32_t cellWidth = 8, cellHeight = 8;
  int32_t padding = 4;
  int32_t rowHeight = 14;
  int32_t visibleRows = 1;
  ChooserRect panel;
  ChooserRect titleBar;
  ChooserRect pathLine;     // the folder being browsed, and the position in the list
  ChooserRect list;         // the framed box of rows and scroll bar
  ChooserRect rows;         // inside the frame, left of the scroll bar
  ChooserRect scrollTrack;
  ChooserRect nameField;    // saving only (else empty)
  ChooserRect filterField;
  ChooserRect okButton;
  ChooserRect cancelButton;
  ChooserRect hintLine;     // the key help, left of the buttons (empty when it does not fit)
  bool hasNameField = false;

  ChooserRect Row(int32_t visibleRow) const { return {rows.x, rows.y + visibleRow * rowHeight, rows.w, rowHeight}; }
  // Whole characters that fit across a width.
  int32_t Columns(int32_t width) const { return width > 0 ? width / cellWidth : 0; }
};

// The panel is centred and sized for at most 20 rows; fonts with an empty
// cell count as 8 x 8. On a screen too small for it, parts may reach past
// the edges, but there is always one row.
ChooserLayout LayOutChooser(int32_t screenWidth, int32_t screenHeight, int32_t cellWidth, int32_t cellHeight,
                            bool nameField);

enum class ChooserPart { kNone, kRow, kThumb, kTrackAbove, kTrackBelow, kNameField, kFilterField, kOk, kCancel };

struct ChooserHit {
  ChooserPart part = ChooserPart::kNone;
  int32_t entry = -1;  // kRow: the entry under the pointer
  bool operator==(const ChooserHit&) const = default;
};

// The part under (x, y) with the list shown from entry `top` of `count`.
ChooserHit HitTest(const ChooserLayout& layout, int32_t x, int32_t y, int32_t top, int32_t count);

// The scroll bar's thumb: where it sits in the track for the rows shown.
// Height 0 when every entry fits.
struct ThumbSpan {
  int32_t y = 0, h = 0;
  bool operator==(const ThumbSpan&) const = default;
};
ThumbSpan ScrollThumb(const ChooserLayout& layout, int32_t top, int32_t count);
// The first row to show when the thumb's top is dragged to thumbY.
int32_t TopForThumb(const ChooserLayout& layout, int32_t thumbY, int32_t count);

// Text cut to a number of characters: the end replaced by "..." (names), or
// the start (folder paths, whose end matters most).
std::string FitEnd(std::string_view text, int32_t columns);
std::string FitStart(std::string_view text, int32_t columns);

}  // namespace vdr
