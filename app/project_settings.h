#pragma once
// The configuration a program gives the runtime before it starts. There is no
// configuration file: each program fills these in its configuration step.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

struct ProjectSettings {
  int32_t screenWidth = 640;
  int32_t screenHeight = 480;
  int32_t framesPerSecond = 60;
  int32_t fullScreen = 0;
  int32_t captureMouse = 1;
  // Focus changes never pause, and END writes its position report to the log.
  int32_t traceRun = 0;
  // Passed unchanged to render-context creation: nonzero asks for multisampling.
  int32_t windowOption = 0;
  // The whole factor the window enlarges the screen by; 0 takes VENDRIL_SCALE
  // from the environment, else the largest that suits the desktop.
  int32_t windowScale = 0;
  RuntimeString windowTitle;
};

ProjectSettings& Settings();

}  // namespace vdr
