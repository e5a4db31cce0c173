// The browsing loop of the file chooser: one frame per pass, reading the
// keyboard and the mouse, moving through folders and drawing.

#include "modal/chooser/file_request.h"

#include <array>
#include <string>

#include "app/frame_cycle.h"
#include "files/file_system.h"
#include "gfx2d/render_context.h"
#include "modal/chooser/chooser_controls.h"
#include "modal/chooser/chooser_drawing.h"
#include "input/input_commands.h"
#include "input/input_context.h"
#include "input/scan_codes.h"
#include "runtime/clock.h"
#include "runtime/error_status.h"

namespace vdr {
namespace {

// The background record that holds the screen the chooser is drawn over.
constexpr int32_t kChooserBackground = 4;

// The last name of a folder path: "/a/b/" gives "b", "/" gives "".
std::string LastFolderName(std::string folder) {
  while (!folder.empty() && folder.back() == '/') folder.pop_back();
  return folder.substr(folder.rfind('/') + 1);
}

class ChooserRun {
 public:
  ChooserRun(OpenGLLumet& context, InputContext& input, ChooserMode mode, std::string_view filter)
      : context_(context),
        input_(input),
        chooser_(mode, ParseFileFilter(filter)),
        keyboard_([&input](uint8_t code) { return input.KeyHeld(code); }),
        mouse_(input.ReadMouse().left != 0) {}

  // The chosen path, or empty when cancelled.
  std::string Run() {
    chooser_.SetVisibleRows(Layout().visibleRows);
    chooser_.SetEntries(ListCurrentFolder(chooser_.Filter()));
    // A key held as the chooser opens must not type into it.
    TypedChar();
    for (;;) {
      const ChooserLayout layout = Layout();
      chooser_.SetVisibleRows(layout.visibleRows);
      const std::string folder = CurrentDir().c_str();
      DrawChooser(context_, kChooserBackground,
                  {layout, chooser_, folder, mouse_.Hover(), mouse_.Pressed(), mouse_.Dragging()});
      ShowScreen();
      std::string chosen;
      if (ReadInput(layout, chosen)) return chosen;
    }
  }

 private:
  ChooserLayout Layout() const {
    const FontGrid cell = context_.Fonts().FontCellSize(context_.Fonts().CurrentFont());
    return LayOutChooser(context_.Width(), context_.Height(), cell.cellWidth, cell.cellHeight,
                         chooser_.Mode() == ChooserMode::kSave);
  }

  // One frame's keys, character and mouse, each followed before the next
  // acts; true when the chooser ends.
  bool ReadInput(const ChooserLayout& layout, std::string& chosen) {
    // Keys are taken from the frame's keyboard poll and from TypedChar's, so
    // that a key held at only one of the two is not missed.
    std::array<bool, 256> heldAtFramePoll;
    for (int code = 0; code < 256; ++code) heldAtFramePoll[code] = input_.KeyHeld(static_cast<uint8_t>(code));
    const RuntimeString typed = TypedChar();
    const KeyHeldFn held = [&](uint8_t code) { return heldAtFramePoll[code] || input_.KeyHeld(code); };
    for (ChooserKey key : keyboard_.Frame(held)) {
      if (Follow(chooser_.Key(key), chosen)) return true;
    }
    if (Follow(chooser_.Typed(typed.empty() ? 0 : static_cast<uint8_t>(typed[0])), chosen)) return true;
    const MouseReading reading = input_.ReadMouse();
    const MousePoint at = input_.ClampMouseToScreen(context_.Width(), context_.Height());
    const PointerFrame pointer{at.x, at.y, reading.left != 0, input_.LeftPressesAtLastRead(), reading.wheel, Clock()};
    return Follow(mouse_.Frame(pointer, layout, chooser_), chosen);
  }

  // Carries out an outcome; true when the chooser ends (with `chosen` empty
  // when cancelled).
  bool Follow(const ChooserOutcome& outcome, std::string& chosen) {
    switch (outcome.kind) {
      case ChooserOutcome::kStay:
        return false;
      case ChooserOutcome::kCancel:
        return true;
      case ChooserOutcome::kRelist:
        chooser_.SetEntries(ListCurrentFolder(chooser_.Filter()));
        return false;
      case ChooserOutcome::kEnterFolder: {
        const std::string left = LastFolderName(CurrentDir().c_str());
        if (ChangeDirectory(outcome.name.c_str()) != 0) {
          chooser_.SetEntries(ListCurrentFolder(chooser_.Filter()), outcome.name == ".." ? left : std::string());
        }
        return false;
      }
      case ChooserOutcome::kChoose: {
        const std::string path = std::string(CurrentDir().c_str()) + outcome.name;
        // A file that went away since the listing is not chosen.
        if (chooser_.Mode() == ChooserMode::kOpen && FileExists(path.c_str()) == 0) {
          chooser_.SetEntries(ListCurrentFolder(chooser_.Filter()));
          return false;
        }
        chosen = path;
        return true;
      }
    }
    return false;
  }

  OpenGLLumet& context_;
  InputContext& input_;
  FileChooser chooser_;
  ChooserKeyboard keyboard_;
  ChooserMouse mouse_;
};

// The keys and the button that end the chooser are let go before the
// program reads them: an Escape still held would end the program, an Enter
// or a click would act in it.
bool EndingInputHeld(InputContext& input) {
  for (uint8_t code : {kKeyEscape, kKeyEscapeExtended, kKeyEnter, kKeyPadEnter}) {
    if (input.KeyHeld(code)) return true;
  }
  return input.ReadMouse().left != 0;
}

}  // namespace

RuntimeString FileRequest(double openFlag, const RuntimeString& filter) {
  OpenGLLumet* context = ActiveRenderContext();
  InputContext* input = ActiveInput();
  if (context == nullptr || input == nullptr) return "NO_FILE";

  // Changing folders while browsing must not show in the error status.
  const RuntimeErrorStatus errorStatus = ErrorStatus();
  const RuntimeString folder = CurrentDir();
  const int32_t escapeEnds = EscapeEnds();
  const bool pointerShown = input->PointerShown();
  SetEscapeEnds(0);
  if (!pointerShown) input->ShowPointer(true);
  BackgroundStore& backgrounds = context->Backgrounds();
  context->Screens().EndScreen();
  backgrounds.GrabBackground(kChooserBackground);

  ChooserRun run(*context, *input, openFlag != 0 ? ChooserMode::kOpen : ChooserMode::kSave, filter.view());
  const std::string chosen = run.Run();

  ChangeDirectory(folder);
  while (EndingInputHeld(*input)) {
    backgrounds.DrawBackground(kChooserBackground);
    ShowScreen();
  }
  // The program's frame goes on from the screen it had drawn.
  backgrounds.DrawBackground(kChooserBackground);
  backgrounds.ClearBackground(kChooserBackground);
  if (!pointerShown) input->ShowPointer(false);
  SetEscapeEnds(escapeEnds);
  ErrorStatus() = errorStatus;
  return chosen.empty() ? RuntimeString("NO_FILE") : RuntimeString(chosen.c_str());
}

}  // namespace vdr
