// The blocking input commands, each a loop of wait steps of the frame cycle.

#include "modal/input_waits.h"

#include "app/frame_steps.h"
#include "input/input_commands.h"
#include "input/input_context.h"
#include "runtime/clock.h"

namespace vdr {
namespace {

bool AnyButton(const MouseReading& reading) { return reading.left != 0 || reading.right != 0 || reading.middle != 0; }

}  // namespace

void WaitAnyInput() {
  InputContext* input = ActiveInput();
  if (input == nullptr) return;
  input->ForgetSeenTaps();
  const MouseSample before = input->SampleMouse();
  for (;;) {
    WaitStep(0);
    PollInput();
    CheckEndKeys(false);
    if (input->AnyKeyHeld()) return;
    if (input->SampleMouse() != before) return;
    if (input->Joysticks().AnyButtonPressed()) return;
    SleepMs(1);
  }
}

void KeyWait() {
  if (ActiveInput() == nullptr) return;
  while (!TypedChar().empty()) {
  }
  while (TypedChar().empty()) {
    WaitStep(0);
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
  while (AnyButton(input->ReadMouse())) SleepMs(1);
  while (!AnyButton(input->ReadMouse())) WaitAnyInput();
  while (AnyButton(input->ReadMouse())) SleepMs(1);
}

}  // namespace vdr
