// SetScreen: the display-mode switch, which runs a few frames of its own so
// that the new mode has settled before the program draws again.

#include "modal/screen_commands.h"

#include "app/engine_state.h"
#include "app/frame_cycle.h"
#include "gfx2d/render_context.h"
#include "input/input_context.h"
#include "runtime/number_text.h"

namespace vdr {

void SetScreen(double width, double height, double fullScreenFlag) {
  OpenGLLumet* context = ActiveRenderContext();
  if (context == nullptr) return;
  ProjectSettings& settings = Settings();
  settings.screenWidth = ToInt(width);
  settings.screenHeight = ToInt(height);
  settings.fullScreen = ToInt(fullScreenFlag);
  context->SetScreen(settings.screenWidth, settings.screenHeight, 0, settings.fullScreen);
  if (InputContext* input = ActiveInput()) input->WindowChanged(context->Window());
  for (int frame = 0; frame < 5; ++frame) ShowScreen();
}

}  // namespace vdr
