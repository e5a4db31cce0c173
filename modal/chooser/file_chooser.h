#pragma once
// The file chooser's state: the entries of the folder being browsed, the
// highlighted entry and the first row shown, the filter in use and, when
// saving, the name being typed. Inputs come in as keys, characters and
// clicks; each gives an outcome that tells the browsing loop what to do.
// Nothing here touches the file system or the screen.

#include <cstdint>
#include <string>
#include <vector>

#include "modal/chooser/chooser_entries.h"
#include "modal/chooser/file_filter.h"
#include "input/line_editor.h"

namespace vdr {

enum class ChooserMode { kOpen, kSave };

// The keys the chooser reads by position rather than as typed characters.
enum class ChooserKey { kUp, kDown, kPageUp, kPageDown, kHome, kEnd, kEscape, kNextFilter, kPreviousFilter };

struct ChooserOutcome {
  enum Kind { kStay, kEnterFolder, kRelist, kChoose, kCancel };
  Kind kind = kStay;
  std::string name;  // the folder to enter ("..": the parent) or the name chosen
  bool operator==(const ChooserOutcome&) const = default;
};

class FileChooser {
 public:
  // At least one filter (ParseFileFilter always gives one).
  FileChooser(ChooserMode mode, std::vector<FileFilter> filters);

  // A new listing: the entry named `highlight` is highlighted (the folder
  // just left, when going up), else the first one.
  void SetEntries(std::vector<ChooserEntry> entries, const std::string& highlight = {});
  void SetVisibleRows(int32_t rows);

  ChooserOutcome Key(ChooserKey key);
  // Called once per frame with the character typed in it (0 for none):
  // Enter confirms; Backspace shortens the typed name, or goes up when there
  // is none; other characters type the name (saving) or jump to the next
  // entry starting with them (opening).
  ChooserOutcome Typed(uint8_t c);
  // Enter and the OK button: opens a highlighted folder, or chooses the
  // highlighted file (opening) or the typed name (saving).
  ChooserOutcome Confirm();
  // A click on a row, and a double click.
  void Highlight(int32_t index);
  ChooserOutcome ActivateRow(int32_t index);
  void FocusName() { nameFocused_ = mode_ == ChooserMode::kSave; }
  ChooserOutcome ChangeFilter(int32_t step);
  // Moves the rows shown (wheel, scroll bar); the highlight stays.
  void Scroll(int32_t rows) { ScrollTo(top_ + rows); }
  void ScrollTo(int32_t top);

  ChooserMode Mode() const { return mode_; }
  const std::vector<ChooserEntry>& Entries() const { return entries_; }
  int32_t Highlighted() const { return highlighted_; }  // -1 when there are no entries
  int32_t Top() const { return top_; }
  int32_t VisibleRows() const { return rows_; }
  const FileFilter& Filter() const { return filters_[filter_]; }
  int32_t FilterIndex() const { return filter_; }
  int32_t FilterCount() const { return static_cast<int32_t>(filters_.size()); }
  const LineEditor& Name() const { return name_; }
  // Saving: whether Enter takes the typed name rather than the highlight.
  bool NameFocused() const { return nameFocused_; }

 private:
  void Move(int32_t to);
  void ShowHighlight();
  void JumpTo(uint8_t c);
  ChooserOutcome ConfirmName();

  ChooserMode mode_;
  std::vector<FileFilter> filters_;
  int32_t filter_ = 0;
  std::vector<ChooserEntry> entries_;
  int32_t highlighted_ = -1;
  int32_t top_ = 0;
  int32_t rows_ = 1;
  LineEditor name_;
  bool nameFocused_ = false;
};

}  // namespace vdr
