// InputText: a line of text edited on screen, over a still copy of what the
// screen showed when the edit began.

#include "app/frame_cycle.h"
#include "gfx2d/font_commands.h"
#include "gfx2d/render_context.h"
#include "input/input_commands.h"
#include "input/input_context.h"
#include "input/line_editor.h"

namespace vdr {
namespace {

// The background record that holds the screen under the edited line.
constexpr int32_t kInputTextBackground = 3;

RuntimeString ToRuntime(const std::string& text) { return RuntimeString(text.data(), static_cast<uint32_t>(text.size())); }

}  // namespace

void InputText(RuntimeString& text, double x, double y) {
  OpenGLLumet* context = ActiveRenderContext();
  // Without a keyboard no Enter could ever end the edit.
  if (context == nullptr || ActiveInput() == nullptr) return;
  LineEditor editor(std::string(text.view()));
  BackgroundStore& backgrounds = context->Backgrounds();
  backgrounds.GrabBackground(kInputTextBackground);
  backgrounds.DrawBackground(kInputTextBackground);
  PrintText(text, x, y);
  ShowScreen();
  for (;;) {
    const RuntimeString typed = TypedChar();
    if (editor.Frame(typed.empty() ? 0 : static_cast<uint8_t>(typed[0]))) break;
    backgrounds.DrawBackground(kInputTextBackground);
    PrintText(ToRuntime(editor.Shown()), x, y);
    ShowScreen();
  }
  backgrounds.ClearBackground(kInputTextBackground);
  text = ToRuntime(editor.Text());
}

}  // namespace vdr
