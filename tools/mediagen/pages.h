#pragma once
// The three picker pages (480 x 280): a 10 x 6 grid of 40 x 40 cells from
// x = 40, and six 80 x 40 page buttons along the bottom.

#include <vector>

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

constexpr int kPageWidth = 480;
constexpr int kPageHeight = 280;
constexpr int kCellSize = 40;
constexpr int kGridLeft = 40;
constexpr int kGridColumns = 10;
constexpr int kGridRows = 6;
constexpr int kButtonTop = kGridRows * kCellSize;
constexpr int kButtonWidth = 80;

// Top-left corner of cell n (row by row) on a page.
inline int CellX(int n) { return kGridLeft + (n % kGridColumns) * kCellSize; }
inline int CellY(int n) { return (n / kGridColumns) * kCellSize; }

Image DrawColourPage();
// Thumbnails of the 60 backgrounds.
Image DrawBackgroundPage(const std::vector<Image>& backgrounds);
// Thumbnails of the 60 clips.
Image DrawClipPage(const std::vector<Image>& clips);

}  // namespace vdr::mediagen
