#pragma once
// The input commands: keyboard by scan code and typed characters, the mouse
// with its two modes, the joysticks. Each reads the process-wide input
// context; without one they read nothing. The waits built on them are in
// modal/input_waits.h, the line editor in modal/input_text.h.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// Keyboard (scan codes use their low 8 bits; input/key_codes.h names them).
int32_t KeyDown(double code);
RuntimeString TypedChar();

// Mouse.
void MouseState(int32_t& x, int32_t& y, int32_t& left, int32_t& right);
void MouseState(double& x, double& y, double& left, double& right);
// 0 dx, 1 dy, 2 wheel step, 3 left, 4 right, 5 middle button; else 0.
int32_t MouseAxis(double axis);
void SetMousePosition(double x, double y);
int32_t MouseCount();
void SetActiveMouse(double index);
void ShowPointer(double flag);

// Joysticks.
int32_t JoystickCount();
RuntimeString JoystickName(double index);
double JoystickX(double index);
double JoystickY(double index);
double JoystickZ(double index);
double JoystickRX(double index);
double JoystickRY(double index);
double JoystickRZ(double index);
int32_t JoystickHatX(double index);
int32_t JoystickHatY(double index);
int32_t JoystickButton(double index, double button);
void JoystickState(int32_t& x, int32_t& y, int32_t& button1, int32_t& button2);
void JoystickState(double& x, double& y, double& button1, double& button2);
void JoystickForce(double index, double durationMs, double x, double y);

}  // namespace vdr
