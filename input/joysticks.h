#pragma once
// The open joysticks (up to ten, in the order the system lists them), read
// afresh at every command, with force feedback where a device has it.

#include <SDL2/SDL_haptic.h>
#include <SDL2/SDL_joystick.h>

#include <cstdint>
#include <vector>

#include "input/joystick_reading.h"
#include "runtime/runtime_string.h"

namespace vdr {

class JoystickSet {
 public:
  JoystickSet() = default;
  ~JoystickSet();
  JoystickSet(const JoystickSet&) = delete;
  JoystickSet& operator=(const JoystickSet&) = delete;

  // Opens the attached joysticks; devices that fail to open are skipped.
  void Open();
  void Close();

  int32_t Count() const { return static_cast<int32_t>(devices_.size()); }
  // The stored name; empty outside 0...count-1.
  RuntimeString Name(int32_t index) const;
  // A fresh reading; all zero with the hat centred for absent or lost devices.
  JoystickReading Read(int32_t index) const;
  // Any of the 32 buttons of any joystick pressed (highest index first).
  bool AnyButtonPressed() const;
  // Plays a constant force once, replacing earlier effects; nothing for
  // devices without force feedback.
  void PlayConstantForce(int32_t index, int32_t durationMs, double x, double y);

 private:
  struct Device {
    SDL_Joystick* joystick = nullptr;
    SDL_Haptic* haptic = nullptr;
    int effect = -1;
    RuntimeString name;
  };
  std::vector<Device> devices_;
};

}  // namespace vdr
