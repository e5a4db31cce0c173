// Saves a picture of the path finder example for the README (run by hand,
// under X):
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/tests/pathfind/path_finder_picture docs
// writes path-finder.png into the given folder.

#include <cstdio>
#include <string>

#include "files/platform_paths.h"
#include "tests/support/program_driver.h"

int main(int argc, char** argv) {
  using vdr::test::Wait;
  if (argc != 2) {
    std::fprintf(stderr, "usage: path_finder_picture FOLDER\n");
    return 2;
  }
  vdr::test::ProgramDriver example(PATH_FINDER_EXECUTABLE, "", vdr::TempFolder() + "path-finder-picture");
  if (!example.WaitForWindow(60)) return 1;
  example.Click(4 * 8 + 4, 30 * 8 + 4, 1);   // start at cell (4, 30)
  example.Click(74 * 8 + 4, 8 * 8 + 4, 3);   // goal at cell (74, 8)
  for (int step = 0; step < 5; ++step) {     // weight 0.5
    example.Xdotool("click --window %w 4");
    Wait(0.3);
  }
  example.MoveTo(636, 476);
  Wait(1);
  const std::string path = std::string(argv[1]) + "/path-finder.png";
  const bool saved = vdr::test::SavePicture(example.Capture(), path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", path.c_str());
  example.Xdotool("key Escape");
  return saved && example.WaitForExit(30) == 0 ? 0 : 1;
}
