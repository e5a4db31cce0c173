// Saves a picture of the turning rings example for the README (run by hand,
// under X):
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/tests/gfx3d/turning_rings_picture docs
// writes turning-rings.png (fixed pipeline) and turning-rings-shader.png
// (after Space) into the given folder, the mouse over the nearest ring.

#include <cstdio>
#include <string>

#include "files/platform_paths.h"
#include "tests/support/program_driver.h"

int main(int argc, char** argv) {
  using vdr::test::Wait;
  if (argc != 2) {
    std::fprintf(stderr, "usage: turning_rings_picture FOLDER\n");
    return 2;
  }
  vdr::test::ProgramDriver example(TURNING_RINGS_EXECUTABLE, "", vdr::TempFolder() + "turning-rings-picture");
  if (!example.WaitForWindow(60)) return 1;
  example.MoveTo(60, 276);  // over the nearest ring's left side: it is named
  bool saved = true;
  for (const char* name : {"turning-rings.png", "turning-rings-shader.png"}) {
    Wait(2);
    const std::string path = std::string(argv[1]) + "/" + name;
    const bool ok = vdr::test::SavePicture(example.Capture(), path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", path.c_str());
    saved = saved && ok;
    example.Xdotool("keydown space sleep 0.5 keyup space");
  }
  example.Xdotool("keydown Escape");
  return saved && example.WaitForExit(30) == 0 ? 0 : 1;
}
