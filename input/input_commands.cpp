#include "input/input_commands.h"

#include "input/input_context.h"
#include "runtime/number_text.h"

namespace vdr {
namespace {

double Axis(double index, int axis) {
  InputContext* input = ActiveInput();
  return input != nullptr ? AxisUnit(input->Joysticks().Read(ToInt(index)).axes[axis]) : 0.0;
}

JoystickReading ReadJoystick(double index) {
  InputContext* input = ActiveInput();
  return input != nullptr ? input->Joysticks().Read(ToInt(index)) : JoystickReading{};
}

// The number form of a command with four integer outputs.
void AsNumbers(void (*command)(int32_t&, int32_t&, int32_t&, int32_t&), double& a, double& b, double& c, double& d) {
  int32_t ai, bi, ci, di;
  command(ai, bi, ci, di);
  a = ai;
  b = bi;
  c = ci;
  d = di;
}

}  // namespace

int32_t KeyDown(double code) {
  InputContext* input = ActiveInput();
  if (input == nullptr) return 0;
  input->PollKeyboard();
  return input->KeyHeld(static_cast<uint8_t>(ToInt(code) & 0xFF)) ? 1 : 0;
}

RuntimeString TypedChar() {
  InputContext* input = ActiveInput();
  const char typed = input != nullptr ? static_cast<char>(input->TypedChar()) : 0;
  return typed != 0 ? RuntimeString(&typed, 1) : RuntimeString();
}

void MouseState(int32_t& x, int32_t& y, int32_t& left, int32_t& right) {
  x = y = left = right = 0;
  InputContext* input = ActiveInput();
  if (input == nullptr) return;
  const MouseReading reading = input->ReadMouse();
  const MousePoint at = input->ClampMouseToScreen();
  x = at.x;
  y = at.y;
  left = reading.left;
  right = reading.right;
}

void MouseState(double& x, double& y, double& left, double& right) { AsNumbers(MouseState, x, y, left, right); }

int32_t MouseAxis(double axis) {
  InputContext* input = ActiveInput();
  if (input == nullptr) return 0;
  const MouseReading reading = input->ReadMouse();
  switch (ToInt(axis)) {
    case 0:
      return reading.dx;
    case 1:
      return reading.dy;
    case 2:
      return reading.wheel;
    case 3:
      return reading.left;
    case 4:
      return reading.right;
    case 5:
      return reading.middle;
    default:
      return 0;
  }
}

void SetMousePosition(double x, double y) {
  InputContext* input = ActiveInput();
  if (input != nullptr) input->SetMousePosition(MousePoint{ToInt(x), ToInt(y)});
}

int32_t MouseCount() { return 1; }

void SetActiveMouse(double index) {
  InputContext* input = ActiveInput();
  if (input != nullptr) input->activeMouse = ToInt(index);
}

void ShowPointer(double flag) {
  InputContext* input = ActiveInput();
  if (input != nullptr) input->ShowPointer(flag != 0);  // NaN counts as nonzero
}

int32_t JoystickCount() {
  InputContext* input = ActiveInput();
  return input != nullptr ? input->Joysticks().Count() : 0;
}

RuntimeString JoystickName(double index) {
  InputContext* input = ActiveInput();
  return input != nullptr ? input->Joysticks().Name(ToInt(index)) : RuntimeString();
}

double JoystickX(double index) { return Axis(index, 0); }
double JoystickY(double index) { return Axis(index, 1); }
double JoystickZ(double index) { return Axis(index, 2); }
double JoystickRX(double index) { return Axis(index, 3); }
double JoystickRY(double index) { return Axis(index, 4); }
double JoystickRZ(double index) { return Axis(index, 5); }

int32_t JoystickHatX(double index) { return HatX(ReadJoystick(index).pov); }
int32_t JoystickHatY(double index) { return HatY(ReadJoystick(index).pov); }

int32_t JoystickButton(double index, double button) { return ButtonByte(ReadJoystick(index), ToInt(button)); }

void JoystickState(int32_t& x, int32_t& y, int32_t& button1, int32_t& button2) {
  const JoystickReading reading = ReadJoystick(0);
  x = StateAxis(reading.axes[0]);
  y = StateAxis(reading.axes[1]);
  button1 = reading.buttons[0];
  button2 = reading.buttons[1];
}

void JoystickState(double& x, double& y, double& button1, double& button2) {
  AsNumbers(JoystickState, x, y, button1, button2);
}

void JoystickForce(double index, double durationMs, double x, double y) {
  InputContext* input = ActiveInput();
  if (input != nullptr) input->Joysticks().PlayConstantForce(ToInt(index), ToInt(durationMs), x, y);
}

}  // namespace vdr
