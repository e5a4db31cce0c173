#include "input/joysticks.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <string>

namespace vdr {
namespace {

// Names are kept to the length the runtime has always stored.
constexpr size_t kNameLimit = 521;

RuntimeString NameOf(SDL_Joystick* joystick) {
  const char* name = SDL_JoystickName(joystick);
  const std::string device = name != nullptr ? name : "";
  // Instance name, ", ", product name: SDL knows one name for both.
  std::string text = device + ", " + device;
  if (text.size() > kNameLimit) text.resize(kNameLimit);
  return RuntimeString(text.data(), static_cast<uint32_t>(text.size()));
}

}  // namespace

JoystickSet::~JoystickSet() { Close(); }

void JoystickSet::Open() {
  Close();
  const int attached = SDL_NumJoysticks();
  for (int i = 0; i < attached && Count() < kMaxJoysticks; ++i) {
    SDL_Joystick* joystick = SDL_JoystickOpen(i);
    if (joystick == nullptr) continue;
    devices_.push_back(Device{joystick, nullptr, -1, NameOf(joystick)});
  }
}

void JoystickSet::Close() {
  for (Device& device : devices_) {
    if (device.haptic != nullptr) SDL_HapticClose(device.haptic);
    SDL_JoystickClose(device.joystick);
  }
  devices_.clear();
}

RuntimeString JoystickSet::Name(int32_t index) const {
  if (index < 0 || index >= Count()) return RuntimeString();
  return devices_[index].name;
}

JoystickReading JoystickSet::Read(int32_t index) const {
  JoystickReading reading;
  if (index < 0 || index >= Count()) return reading;
  SDL_Joystick* joystick = devices_[index].joystick;
  SDL_JoystickUpdate();
  if (SDL_JoystickGetAttached(joystick) != SDL_TRUE) return reading;
  const int axes = std::min(SDL_JoystickNumAxes(joystick), kJoystickAxes);
  for (int i = 0; i < axes; ++i) reading.axes[i] = SDL_JoystickGetAxis(joystick, i);
  if (SDL_JoystickNumHats(joystick) > 0) reading.pov = PovFromHat(SDL_JoystickGetHat(joystick, 0));
  const int buttons = std::min(SDL_JoystickNumButtons(joystick), kJoystickButtons);
  for (int i = 0; i < buttons; ++i) reading.buttons[i] = SDL_JoystickGetButton(joystick, i) != 0 ? 128 : 0;
  return reading;
}

bool JoystickSet::AnyButtonPressed() const {
  for (int32_t index = Count() - 1; index >= 0; --index) {
    const JoystickReading reading = Read(index);
    if (std::any_of(std::begin(reading.buttons), std::end(reading.buttons), [](uint8_t b) { return b != 0; })) {
      return true;
    }
  }
  return false;
}

void JoystickSet::PlayConstantForce(int32_t index, int32_t durationMs, double x, double y) {
  if (index < 0 || index >= Count()) return;
  Device& device = devices_[index];
  if (device.haptic == nullptr) {
    if (SDL_JoystickIsHaptic(device.joystick) != SDL_TRUE) return;
    device.haptic = SDL_HapticOpenFromJoystick(device.joystick);
    if (device.haptic == nullptr) return;
  }
  const unsigned int features = SDL_HapticQuery(device.haptic);
  if ((features & SDL_HAPTIC_CONSTANT) == 0) return;
  // A new force replaces whatever the device was playing.
  SDL_HapticStopAll(device.haptic);
  if (device.effect >= 0) SDL_HapticDestroyEffect(device.haptic, device.effect);
  device.effect = -1;
  if ((features & SDL_HAPTIC_GAIN) != 0) SDL_HapticSetGain(device.haptic, 100);

  const ConstantForce force = ConstantForceFor(durationMs, x, y);
  SDL_HapticEffect effect{};
  effect.type = SDL_HAPTIC_CONSTANT;
  effect.constant.direction.type = SDL_HAPTIC_CARTESIAN;
  effect.constant.direction.dir[0] = force.directionX;
  effect.constant.direction.dir[1] = force.directionY;
  effect.constant.length = force.lengthMs;
  effect.constant.level = force.Level();
  device.effect = SDL_HapticNewEffect(device.haptic, &effect);
  if (device.effect >= 0) SDL_HapticRunEffect(device.haptic, device.effect, 1);
}

}  // namespace vdr
