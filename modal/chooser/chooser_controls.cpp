#include "modal/chooser/chooser_controls.h"

#include <algorithm>

#include "input/scan_codes.h"

namespace vdr {
namespace {

struct KeyBinding {
  uint8_t code;
  ChooserKey key;
  bool repeats;
};

// Tab moves to the next filter, or with Shift to the one before.
constexpr KeyBinding kKeyBindings[] = {
    {kKeyUp, ChooserKey::kUp, true},           {kKeyDown, ChooserKey::kDown, true},
    {kKeyPageUp, ChooserKey::kPageUp, true},   {kKeyPageDown, ChooserKey::kPageDown, true},
    {kKeyHome, ChooserKey::kHome, false},      {kKeyEnd, ChooserKey::kEnd, false},
    {kKeyEscape, ChooserKey::kEscape, false},  {kKeyEscapeExtended, ChooserKey::kEscape, false},
    {kKeyTab, ChooserKey::kNextFilter, false},
};

// A held key repeats after a third of a second, then every third frame.
constexpr int32_t kRepeatDelayFrames = 20;
constexpr int32_t kRepeatEveryFrames = 3;
// Two clicks on one row within this time open it.
constexpr double kDoubleClickMs = 500;

}  // namespace

ChooserKeyboard::ChooserKeyboard(const KeyHeldFn& held) {
  static_assert(std::size(kKeyBindings) == kBindings);
  for (size_t i = 0; i < kBindings; ++i) heldFrames_[i] = held(kKeyBindings[i].code) ? -1 : 0;
}

std::vector<ChooserKey> ChooserKeyboard::Frame(const KeyHeldFn& held) {
  std::vector<ChooserKey> keys;
  const bool shift = held(kKeyLeftShift) || held(kKeyRightShift);
  for (size_t i = 0; i < kBindings; ++i) {
    const KeyBinding& binding = kKeyBindings[i];
    int32_t& frames = heldFrames_[i];
    if (!held(binding.code)) {
      frames = 0;
      continue;
    }
    if (frames < 0) continue;
    ++frames;
    const int32_t sinceDelay = frames - kRepeatDelayFrames;
    if (frames == 1 || (binding.repeats && sinceDelay > 0 && sinceDelay % kRepeatEveryFrames == 0)) {
      keys.push_back(binding.key == ChooserKey::kNextFilter && shift ? ChooserKey::kPreviousFilter : binding.key);
    }
  }
  return keys;
}

ChooserOutcome ChooserMouse::Frame(const PointerFrame& pointer, const ChooserLayout& layout, FileChooser& chooser) {
  const auto count = static_cast<int32_t>(chooser.Entries().size());
  ChooserOutcome outcome;
  if (pointer.wheel != 0) chooser.Scroll(-3 * pointer.wheel);
  hover_ = HitTest(layout, pointer.x, pointer.y, chooser.Top(), count);
  const bool pressedNow = pointer.left && !wasDown_;
  const bool releasedNow = !pointer.left && wasDown_;
  wasDown_ = pointer.left;
  if (pressedNow) Press(layout, chooser, pointer, outcome);
  if (pointer.left && dragging_) chooser.ScrollTo(TopForThumb(layout, pointer.y - dragOffset_, count));
  if (releasedNow) outcome = Release(chooser);
  return outcome;
}

void ChooserMouse::Press(const ChooserLayout& layout, FileChooser& chooser, const PointerFrame& pointer,
                         ChooserOutcome& outcome) {
  pressed_ = hover_;
  const int32_t page = std::max(layout.visibleRows - 1, 1);
  switch (hover_.part) {
    case ChooserPart::kRow:
      if (pointer.presses >= 2 ||
          (hover_.entry == lastClickEntry_ && pointer.timeMs - lastClickMs_ <= kDoubleClickMs)) {
        lastClickEntry_ = -1;
        outcome = chooser.ActivateRow(hover_.entry);
      } else {
        lastClickEntry_ = hover_.entry;
        lastClickMs_ = pointer.timeMs;
        chooser.Highlight(hover_.entry);
      }
      break;
    case ChooserPart::kThumb:
      dragging_ = true;
      dragOffset_ = pointer.y - ScrollThumb(layout, chooser.Top(), static_cast<int32_t>(chooser.Entries().size())).y;
      break;
    case ChooserPart::kTrackAbove:
      chooser.Scroll(-page);
      break;
    case ChooserPart::kTrackBelow:
      chooser.Scroll(page);
      break;
    case ChooserPart::kNameField:
      chooser.FocusName();
      break;
    default:
      break;  // buttons act when let go
  }
}

ChooserOutcome ChooserMouse::Release(FileChooser& chooser) {
  const ChooserHit pressed = pressed_;
  pressed_ = {};
  if (dragging_) {
    dragging_ = false;
    return {};
  }
  if (pressed != hover_) return {};
  switch (pressed.part) {
    case ChooserPart::kOk:
      return chooser.Confirm();
    case ChooserPart::kCancel:
      return {ChooserOutcome::kCancel, {}};
    case ChooserPart::kFilterField:
      return chooser.ChangeFilter(1);
    default:
      return {};
  }
}

}  // namespace vdr
