#include "modal/chooser/file_chooser.h"

#include <algorithm>

#include "runtime/ascii.h"

namespace vdr {
namespace {

// The longest name most file systems accept.
constexpr size_t kMaxNameLength = 255;

ChooserOutcome EnterFolder(std::string name) { return {ChooserOutcome::kEnterFolder, std::move(name)}; }

}  // namespace

FileChooser::FileChooser(ChooserMode mode, std::vector<FileFilter> filters)
    : mode_(mode), filters_(std::move(filters)) {}

void FileChooser::SetEntries(std::vector<ChooserEntry> entries, const std::string& highlight) {
  entries_ = std::move(entries);
  const auto named = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const ChooserEntry& entry) { return !highlight.empty() && entry.name == highlight; });
  if (named != entries_.end()) {
    highlighted_ = static_cast<int32_t>(named - entries_.begin());
  } else if (entries_.empty()) {
    highlighted_ = -1;
  } else {
    // Past the way up, so that Enter does not lead straight back.
    highlighted_ = entries_.size() > 1 && entries_[0].name == ".." ? 1 : 0;
  }
  // A name typed before entering the folder is still the one to save.
  nameFocused_ = mode_ == ChooserMode::kSave && !name_.Text().empty();
  top_ = 0;
  ShowHighlight();
}

void FileChooser::SetVisibleRows(int32_t rows) {
  rows = std::max(rows, 1);
  if (rows == rows_) return;
  rows_ = rows;
  ShowHighlight();
}

ChooserOutcome FileChooser::Key(ChooserKey key) {
  const int32_t page = std::max(rows_ - 1, 1);
  switch (key) {
    case ChooserKey::kUp:
      Move(highlighted_ - 1);
      break;
    case ChooserKey::kDown:
      Move(highlighted_ + 1);
      break;
    case ChooserKey::kPageUp:
      Move(highlighted_ - page);
      break;
    case ChooserKey::kPageDown:
      Move(highlighted_ + page);
      break;
    case ChooserKey::kHome:
      Move(0);
      break;
    case ChooserKey::kEnd:
      Move(static_cast<int32_t>(entries_.size()) - 1);
      break;
    case ChooserKey::kEscape:
      return {ChooserOutcome::kCancel, {}};
    case ChooserKey::kNextFilter:
      return ChangeFilter(1);
    case ChooserKey::kPreviousFilter:
      return ChangeFilter(-1);
  }
  return {};
}

ChooserOutcome FileChooser::Typed(uint8_t c) {
  ChooserOutcome outcome;
  uint8_t edit = 0;  // what the name editor takes this frame
  const bool saving = mode_ == ChooserMode::kSave;
  if (c == 10) {
    outcome = Confirm();
  } else if (c == 8) {
    if (saving && !name_.Text().empty()) {
      edit = 8;
      nameFocused_ = true;
    } else {
      outcome = EnterFolder("..");
    }
  } else if (c >= 32 && c != 127) {
    if (!saving) {
      JumpTo(c);
    } else if (c != '/' && c != '\\' && name_.Text().size() < kMaxNameLength) {
      // A name stays in the folder being browsed: no separators.
      edit = c;
      nameFocused_ = true;
    }
  }
  name_.Frame(edit);
  return outcome;
}

ChooserOutcome FileChooser::Confirm() {
  const ChooserEntry* entry = highlighted_ >= 0 ? &entries_[static_cast<size_t>(highlighted_)] : nullptr;
  if (mode_ == ChooserMode::kSave) {
    if (!nameFocused_ && entry != nullptr && entry->folder) return EnterFolder(entry->name);
    return ConfirmName();
  }
  if (entry == nullptr) return {};
  if (entry->folder) return EnterFolder(entry->name);
  return {ChooserOutcome::kChoose, entry->name};
}

ChooserOutcome FileChooser::ConfirmName() {
  const std::string name = name_.Text();
  if (name.empty() || name == ".") return {};
  const bool isFolder = name == ".." || std::any_of(entries_.begin(), entries_.end(), [&](const ChooserEntry& entry) {
                          return entry.folder && entry.name == name;
                        });
  if (!isFolder) return {ChooserOutcome::kChoose, name};
  name_.SetText({});
  return EnterFolder(name);
}

void FileChooser::Highlight(int32_t index) {
  if (index >= 0 && index < static_cast<int32_t>(entries_.size())) Move(index);
}

ChooserOutcome FileChooser::ActivateRow(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(entries_.size())) return {};
  Move(index);
  return Confirm();
}

ChooserOutcome FileChooser::ChangeFilter(int32_t step) {
  const int32_t count = FilterCount();
  if (count < 2) return {};
  filter_ = ((filter_ + step) % count + count) % count;
  return {ChooserOutcome::kRelist, {}};
}

void FileChooser::ScrollTo(int32_t top) {
  const int32_t last = std::max(static_cast<int32_t>(entries_.size()) - rows_, 0);
  top_ = std::clamp(top, 0, last);
}

void FileChooser::Move(int32_t to) {
  if (entries_.empty()) return;
  highlighted_ = std::clamp(to, 0, static_cast<int32_t>(entries_.size()) - 1);
  const ChooserEntry& entry = entries_[static_cast<size_t>(highlighted_)];
  // Saving over a file starts from its name.
  if (mode_ == ChooserMode::kSave && !entry.folder) name_.SetText(entry.name);
  nameFocused_ = false;
  ShowHighlight();
}

void FileChooser::ShowHighlight() {
  if (highlighted_ >= 0 && highlighted_ < top_) top_ = highlighted_;
  if (highlighted_ >= top_ + rows_) top_ = highlighted_ - rows_ + 1;
  ScrollTo(top_);
}

void FileChooser::JumpTo(uint8_t c) {
  const auto count = static_cast<int32_t>(entries_.size());
  for (int32_t step = 1; step <= count; ++step) {
    const int32_t i = (std::max(highlighted_, 0) + step) % count;
    const std::string& name = entries_[static_cast<size_t>(i)].name;
    if (!name.empty() && AsciiLower(name[0]) == AsciiLower(static_cast<unsigned char>(c))) {
      Move(i);
      return;
    }
  }
}

}  // namespace vdr
