#include "modal/chooser/chooser_drawing.h"

#include <algorithm>
#include <string>

#include "gfx2d/render_context.h"

namespace vdr {
namespace {

constexpr int32_t Rgb(int32_t r, int32_t g, int32_t b) { return r | g << 8 | b << 16; }

// A muted blue-grey palette; no colour is pure black, which a program may
// have made its transparent colour.
constexpr int32_t kShade = Rgb(6, 8, 14);
constexpr int32_t kPanel = Rgb(36, 41, 52);
constexpr int32_t kPanelBorder = Rgb(88, 100, 124);
constexpr int32_t kTitle = Rgb(44, 86, 148);
constexpr int32_t kTitleEdge = Rgb(74, 124, 194);
constexpr int32_t kListFill = Rgb(22, 25, 32);
constexpr int32_t kListStripe = Rgb(27, 31, 40);
constexpr int32_t kListBorder = Rgb(64, 72, 90);
constexpr int32_t kRowHover = Rgb(38, 45, 60);
constexpr int32_t kHighlight = Rgb(52, 104, 186);
constexpr int32_t kHighlightIdle = Rgb(60, 70, 92);
constexpr int32_t kFolderIcon = Rgb(226, 176, 76);
constexpr int32_t kFolderTab = Rgb(190, 140, 52);
constexpr int32_t kFileIcon = Rgb(196, 204, 218);
constexpr int32_t kFileFold = Rgb(128, 138, 160);
constexpr int32_t kTrack = Rgb(30, 34, 44);
constexpr int32_t kThumb = Rgb(96, 110, 138);
constexpr int32_t kThumbHover = Rgb(122, 138, 170);
constexpr int32_t kThumbDragged = Rgb(146, 166, 206);
constexpr int32_t kFieldFill = Rgb(18, 21, 27);
constexpr int32_t kFieldBorder = Rgb(80, 92, 116);
constexpr int32_t kFieldFocus = Rgb(96, 156, 236);
constexpr int32_t kButtonBorder = Rgb(110, 124, 150);

struct ButtonColours {
  int32_t normal, hover, pressed;
};
constexpr ButtonColours kOkColours{Rgb(52, 104, 186), Rgb(68, 126, 214), Rgb(40, 84, 156)};
constexpr ButtonColours kCancelColours{Rgb(62, 70, 88), Rgb(80, 90, 112), Rgb(50, 56, 72)};

// Secondary text is drawn see-through, so it reads grey on the dark panel.
constexpr float kDimText = -0.6f;

class Painter {
 public:
  Painter(OpenGLLumet& context, const ChooserLayout& layout) : c_(context), l_(layout) {}

  void Fill(const ChooserRect& r, int32_t colour) { c_.DrawRect(r.x, r.y, r.w, r.h, colour); }
  void Outline(const ChooserRect& r, int32_t colour) {
    Fill({r.x, r.y, r.w, 1}, colour);
    Fill({r.x, r.Bottom() - 1, r.w, 1}, colour);
    Fill({r.x, r.y, 1, r.h}, colour);
    Fill({r.Right() - 1, r.y, 1, r.h}, colour);
  }
  void Box(const ChooserRect& r, int32_t fill, int32_t border) {
    Fill(r, fill);
    Outline(r, border);
  }
  // Text at x, centred in the height of r.
  void Text(std::string_view text, int32_t x, const ChooserRect& r, bool dim = false) {
    if (dim) c_.AlphaMode(kDimText);
    FontStore& fonts = c_.Fonts();
    fonts.DrawText(fonts.CurrentFont(), text, static_cast<float>(x), static_cast<float>(r.y + (r.h - l_.cellHeight) / 2),
                   0);
    if (dim) c_.AlphaMode(0);
  }
  void TextRight(std::string_view text, const ChooserRect& r, bool dim = false) {
    Text(text, r.Right() - static_cast<int32_t>(text.size()) * l_.cellWidth, r, dim);
  }
  void TextCentred(std::string_view text, const ChooserRect& r) {
    Text(text, r.x + (r.w - static_cast<int32_t>(text.size()) * l_.cellWidth) / 2, r);
  }
  void Translucent(const ChooserRect& r, int32_t colour, float strength) {
    c_.AlphaMode(-strength);
    Fill(r, colour);
    c_.AlphaMode(0);
  }

  // Icons a cell high, drawn from (x, y).
  void FolderIcon(int32_t x, int32_t y) {
    const int32_t h = l_.cellHeight, w = h + h / 4;
    Fill({x, y, w / 2, 2}, kFolderTab);
    Fill({x, y + 2, w, h - 2}, kFolderIcon);
  }
  void FileIcon(int32_t x, int32_t y) {
    const int32_t h = l_.cellHeight, w = h - h / 4, fold = std::max(2, h / 4);
    Fill({x + 1, y, w, h}, kFileIcon);
    Fill({x + 1 + w - fold, y, fold, fold}, kFileFold);
  }
  int32_t IconWidth() const { return l_.cellHeight + l_.cellHeight / 4; }

 private:
  OpenGLLumet& c_;
  const ChooserLayout& l_;
};

std::string PositionText(const FileChooser& chooser) {
  const auto count = static_cast<int32_t>(chooser.Entries().size());
  if (count == 0) return "empty";
  return std::to_string(chooser.Highlighted() + 1) + "/" + std::to_string(count);
}

void DrawFrameAndTitle(Painter& p, const ChooserScene& s) {
  const ChooserLayout& l = s.layout;
  p.Translucent({l.panel.x + 4, l.panel.y + 5, l.panel.w, l.panel.h}, kShade, 0.5f);
  p.Box(l.panel, kPanel, kPanelBorder);
  p.Fill(l.titleBar, kTitle);
  p.Fill({l.titleBar.x, l.titleBar.Bottom() - 1, l.titleBar.w, 1}, kTitleEdge);
  p.Outline(l.titleBar, kPanelBorder);
  p.Text(s.chooser.Mode() == ChooserMode::kOpen ? "Open" : "Save", l.titleBar.x + l.padding + 2, l.titleBar);
}

void DrawPathLine(Painter& p, const ChooserScene& s) {
  const ChooserLayout& l = s.layout;
  const std::string position = PositionText(s.chooser);
  p.TextRight(position, l.pathLine, true);
  p.FolderIcon(l.pathLine.x, l.pathLine.y);
  const int32_t x = l.pathLine.x + p.IconWidth() + l.cellWidth;
  const int32_t room = l.Columns(l.pathLine.Right() - x) - static_cast<int32_t>(position.size()) - 1;
  p.Text(FitStart(s.folder, room), x, l.pathLine);
}

void DrawList(Painter& p, const ChooserScene& s) {
  const ChooserLayout& l = s.layout;
  const FileChooser& chooser = s.chooser;
  p.Box(l.list, kListFill, kListBorder);
  const auto& entries = chooser.Entries();
  const int32_t textX = l.rows.x + l.padding + p.IconWidth() + l.cellWidth;
  const int32_t columns = l.Columns(l.rows.Right() - textX - l.padding);
  for (int32_t row = 0; row < l.visibleRows; ++row) {
    const ChooserRect r = l.Row(row);
    const int32_t index = chooser.Top() + row;
    if (index == chooser.Highlighted()) {
      p.Fill(r, chooser.NameFocused() ? kHighlightIdle : kHighlight);
    } else if (s.hover.part == ChooserPart::kRow && s.hover.entry == index) {
      p.Fill(r, kRowHover);
    } else if (row % 2 == 1) {
      p.Fill(r, kListStripe);
    }
    if (index >= static_cast<int32_t>(entries.size())) continue;
    const ChooserEntry& entry = entries[static_cast<size_t>(index)];
    const int32_t iconY = r.y + (r.h - l.cellHeight) / 2;
    if (entry.folder) {
      p.FolderIcon(l.rows.x + l.padding, iconY);
    } else {
      p.FileIcon(l.rows.x + l.padding, iconY);
    }
    p.Text(FitEnd(entry.name, columns), textX, r);
  }
  if (entries.empty()) p.Text("No matching files", textX, l.Row(0), true);

  p.Fill(l.scrollTrack, kTrack);
  const ThumbSpan thumb = ScrollThumb(l, chooser.Top(), static_cast<int32_t>(entries.size()));
  if (thumb.h > 0) {
    const int32_t colour = s.dragging ? kThumbDragged : s.hover.part == ChooserPart::kThumb ? kThumbHover : kThumb;
    p.Fill({l.scrollTrack.x + 2, thumb.y + 1, l.scrollTrack.w - 4, thumb.h - 2}, colour);
  }
}

void DrawField(Painter& p, const ChooserLayout& l, const ChooserRect& field, std::string_view label, bool focused) {
  p.Text(label, field.x - 6 * l.cellWidth, field, true);
  p.Box(field, kFieldFill, focused ? kFieldFocus : kFieldBorder);
}

void DrawFields(Painter& p, const ChooserScene& s) {
  const ChooserLayout& l = s.layout;
  const FileChooser& chooser = s.chooser;
  const int32_t inset = l.padding;
  if (l.hasNameField) {
    DrawField(p, l, l.nameField, "Name:", chooser.NameFocused());
    const std::string shown = chooser.NameFocused() ? chooser.Name().Shown() : chooser.Name().Text();
    p.Text(FitStart(shown, l.Columns(l.nameField.w - 2 * inset)), l.nameField.x + inset, l.nameField);
  }
  DrawField(p, l, l.filterField, "Type:", s.hover.part == ChooserPart::kFilterField && chooser.FilterCount() > 1);
  std::string choice;
  if (chooser.FilterCount() > 1) {
    choice = std::to_string(chooser.FilterIndex() + 1) + "/" + std::to_string(chooser.FilterCount());
    p.TextRight(choice, {l.filterField.x, l.filterField.y, l.filterField.w - inset, l.filterField.h}, true);
  }
  const int32_t room = l.Columns(l.filterField.w - 2 * inset) - static_cast<int32_t>(choice.size()) - 1;
  p.Text(FitEnd(chooser.Filter().description, room), l.filterField.x + inset, l.filterField);
}

void DrawButton(Painter& p, const ChooserScene& s, const ChooserRect& r, ChooserPart part, std::string_view label,
                const ButtonColours& colours) {
  const bool over = s.hover.part == part;
  const int32_t fill = s.pressed.part == part && over ? colours.pressed : over ? colours.hover : colours.normal;
  p.Box(r, fill, kButtonBorder);
  p.TextCentred(label, r);
}

void DrawFooter(Painter& p, const ChooserScene& s) {
  const ChooserLayout& l = s.layout;
  DrawButton(p, s, l.okButton, ChooserPart::kOk, "OK", kOkColours);
  DrawButton(p, s, l.cancelButton, ChooserPart::kCancel, "Cancel", kCancelColours);
  if (l.hintLine.w <= 0) return;
  // The longest help that fits.
  const bool opening = s.chooser.Mode() == ChooserMode::kOpen;
  const bool severalFilters = s.chooser.FilterCount() > 1;
  const std::string_view hints[] = {
      opening ? (severalFilters ? "Enter: open  Backspace: up  Tab: type  Esc: cancel"
                                : "Enter: open  Backspace: up  Esc: cancel")
              : (severalFilters ? "Enter: save  Tab: type  Esc: cancel" : "Enter: save  Esc: cancel"),
      opening ? "Enter: open  Backspace: up" : "Enter: save",
  };
  for (std::string_view hint : hints) {
    if (static_cast<int32_t>(hint.size()) <= l.Columns(l.hintLine.w)) {
      p.Text(hint, l.hintLine.x, l.hintLine, true);
      return;
    }
  }
}

}  // namespace

void DrawChooser(OpenGLLumet& context, int32_t background, const ChooserScene& scene) {
  context.Backgrounds().DrawBackground(background);
  Painter painter(context, scene.layout);
  painter.Translucent({0, 0, context.Width(), context.Height()}, kShade, 0.62f);
  DrawFrameAndTitle(painter, scene);
  DrawPathLine(painter, scene);
  DrawList(painter, scene);
  DrawFields(painter, scene);
  DrawFooter(painter, scene);
}

}  // namespace vdr
