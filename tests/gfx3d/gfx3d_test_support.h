#pragma once
// Shared pieces of the 3D window tests: an engine of 640 x 480 and the 3D
// scene it made.

#include "app/engine_state.h"
#include "gfx3d/lumet3d.h"
#include "runtime/process_object.h"
#include "tests/gfx2d/gfx2d_test_support.h"
#include "tests/support/engine_harness.h"

namespace vdr::test {

inline Lumet3D& FreshScene(int32_t clearColour = 0) {
  if (Engine().renderContext == nullptr) {
    EngineOptions options;
    options.width = 640;
    options.height = 480;
    StartEngine(options);
  }
  FreshFrame(clearColour);
  return Registered<Lumet3D>();
}

}  // namespace vdr::test
