// The blocking input commands: waiting for a typed character or a click.

#include <SDL2/SDL_timer.h>

#include "app/frame_cycle.h"
#include "audio/music_player.h"
#include "input/input_commands.h"
#include "input/input_context.h"

namespace vdr {
namespace {

bool AnyButton(const MouseReading& reading) { return reading.left != 0 || reading.right != 0 || reading.middle != 0; }

}  // namespace

void KeyWait() {
  if (ActiveInput() == nullptr) return;
  while (!TypedChar().empty()) {
  }
  while (TypedChar().empty()) {
    CheckMusicRestart();
    PumpMessages(ResolveMessageCallback());
    WaitAnyInput();
  }
  while (!TypedChar().empty()) {
  }
}

void MouseWait() {
  InputContext* input = ActiveInput();
  if (input == nullptr) return;
  input->MarkFreshRead();
  // The button still held from before is let go first; the waits for a
  // release sleep a millisecond between reads rather than spin.
  while (AnyButton(input->ReadMouse())) SDL_Delay(1);
  while (!AnyButton(input->ReadMouse())) WaitAnyInput();
  while (AnyButton(input->ReadMouse())) SDL_Delay(1);
}

}  // namespace vdr
