#include "modal/chooser/chooser_layout.h"

#include <algorithm>

namespace vdr {
namespace {

constexpr int32_t kMostRows = 20;
constexpr int32_t kMostColumns = 64;

int32_t Rounded(int64_t numerator, int64_t denominator) {
  return static_cast<int32_t>((numerator + denominator / 2) / denominator);
}

}  // namespace

ChooserLayout LayOutChooser(int32_t screenWidth, int32_t screenHeight, int32_t cellWidth, int32_t cellHeight,
                            bool nameField) {
  ChooserLayout l;
  if (cellWidth > 0 && cellHeight > 0) {
    l.cellWidth = cellWidth;
    l.cellHeight = cellHeight;
  }
  const int32_t cw = l.cellWidth, ch = l.cellHeight;
  const int32_t pad = l.padding = std::max(4, ch / 2);
  l.rowHeight = ch + std::max(6, ch / 2);
  const int32_t titleHeight = ch + 2 * pad + 2;
  const int32_t fieldHeight = ch + 8;
  const int32_t buttonHeight = ch + 2 * pad + 2;
  const int32_t scrollWidth = std::max(10, cw + 4);
  const int32_t labelWidth = 6 * cw;  // "Name: ", "Type: "
  const int32_t buttonWidth = 6 * cw + 4 * pad;  // room for "Cancel"

  // Everything but the rows, top to bottom.
  const int32_t fixed = titleHeight + pad + ch + pad + 2 + pad + (nameField ? fieldHeight + pad : 0) + fieldHeight +
                        pad + buttonHeight + pad;
  const int32_t edge = std::max(4, std::min(screenWidth, screenHeight) / 16);
  l.visibleRows = std::clamp((screenHeight - 2 * edge - fixed) / l.rowHeight, 1, kMostRows);
  const int32_t rowsHeight = l.visibleRows * l.rowHeight;
  const int32_t width = std::max(std::min(screenWidth - 2 * edge, kMostColumns * cw + 2 * pad), 0);
  const int32_t height = fixed + rowsHeight;
  l.panel = {std::max((screenWidth - width) / 2, 0), std::max((screenHeight - height) / 2, 0), width, height};

  const int32_t left = l.panel.x + pad, inner = width - 2 * pad;
  int32_t y = l.panel.y;
  l.titleBar = {l.panel.x, y, width, titleHeight};
  y += titleHeight + pad;
  l.pathLine = {left, y, inner, ch};
  y += ch + pad;
  l.list = {left, y, inner, rowsHeight + 2};
  l.scrollTrack = {l.list.Right() - 1 - scrollWidth, y + 1, scrollWidth, rowsHeight};
  l.rows = {left + 1, y + 1, l.scrollTrack.x - left - 1, rowsHeight};
  y = l.list.Bottom() + pad;
  l.hasNameField = nameField;
  if (nameField) {
    l.nameField = {left + labelWidth, y, inner - labelWidth, fieldHeight};
    y += fieldHeight + pad;
  }
  l.filterField = {left + labelWidth, y, inner - labelWidth, fieldHeight};
  y += fieldHeight + pad;
  l.cancelButton = {l.panel.Right() - pad - buttonWidth, y, buttonWidth, buttonHeight};
  l.okButton = {l.cancelButton.x - pad - buttonWidth, y, buttonWidth, buttonHeight};
  const int32_t hintWidth = l.okButton.x - pad - left;
  if (hintWidth >= cw) l.hintLine = {left, y + (buttonHeight - ch) / 2, hintWidth, ch};
  return l;
}

ChooserHit HitTest(const ChooserLayout& layout, int32_t x, int32_t y, int32_t top, int32_t count) {
  if (layout.rows.Contains(x, y)) {
    const int32_t entry = top + (y - layout.rows.y) / layout.rowHeight;
    return entry < count ? ChooserHit{ChooserPart::kRow, entry} : ChooserHit{};
  }
  if (layout.scrollTrack.Contains(x, y)) {
    const ThumbSpan thumb = ScrollThumb(layout, top, count);
    if (thumb.h == 0) return {};
    if (y < thumb.y) return {ChooserPart::kTrackAbove};
    return {y < thumb.y + thumb.h ? ChooserPart::kThumb : ChooserPart::kTrackBelow};
  }
  if (layout.hasNameField && layout.nameField.Contains(x, y)) return {ChooserPart::kNameField};
  if (layout.filterField.Contains(x, y)) return {ChooserPart::kFilterField};
  if (layout.okButton.Contains(x, y)) return {ChooserPart::kOk};
  if (layout.cancelButton.Contains(x, y)) return {ChooserPart::kCancel};
  return {};
}

ThumbSpan ScrollThumb(const ChooserLayout& layout, int32_t top, int32_t count) {
  const ChooserRect& track = layout.scrollTrack;
  const int32_t last = count - layout.visibleRows;
  if (last <= 0 || track.h <= 0) return {track.y, 0};
  const int32_t h = std::max(Rounded(static_cast<int64_t>(track.h) * layout.visibleRows, count),
                             std::min(layout.cellHeight, track.h));
  const int32_t travel = track.h - h;
  return {track.y + Rounded(static_cast<int64_t>(travel) * std::clamp(top, 0, last), last), h};
}

int32_t TopForThumb(const ChooserLayout& layout, int32_t thumbY, int32_t count) {
  const int32_t last = count - layout.visibleRows;
  const int32_t travel = layout.scrollTrack.h - ScrollThumb(layout, 0, count).h;
  if (last <= 0 || travel <= 0) return 0;
  const int32_t offset = std::clamp(thumbY - layout.scrollTrack.y, 0, travel);
  return Rounded(static_cast<int64_t>(last) * offset, travel);
}

std::string FitEnd(std::string_view text, int32_t columns) {
  const auto room = static_cast<size_t>(std::max(columns, 0));
  if (text.size() <= room) return std::string(text);
  if (room <= 3) return std::string(text.substr(0, room));
  return std::string(text.substr(0, room - 3)) + "...";
}

std::string FitStart(std::string_view text, int32_t columns) {
  const auto room = static_cast<size_t>(std::max(columns, 0));
  if (text.size() <= room) return std::string(text);
  if (room <= 3) return std::string(text.substr(text.size() - room));
  return "..." + std::string(text.substr(text.size() - (room - 3)));
}

}  // namespace vdr
