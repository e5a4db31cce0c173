// Plays Granzel through its screens and saves what the window shows, for the
// README (run by hand, under X):
//   VENDRIL_SCALE=1 xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/tests/game/granzel_tour docs
// writes granzel-intro.png, granzel-colours.png, granzel-backgrounds.png,
// granzel-clips.png, granzel-painting.png and, from a second game with
// "--scale 2", granzel-scale2.png into the given folder.

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "files/platform_paths.h"
#include "tests/support/program_driver.h"

namespace {

using vdr::test::ProgramDriver;
using vdr::test::Wait;

class Tour {
 public:
  // The game's window enlarges its screen by `scale`; positions are given in
  // the screen's own pixels.
  Tour(ProgramDriver& game, std::string folder, int scale = 1)
      : game_(game), folder_(std::move(folder)), scale_(scale) {}

  void Save(const char* name) {
    const std::string path = folder_ + "/" + name;
    std::printf("%s %s\n", vdr::test::SavePicture(game_.Capture(), path) ? "wrote" : "could not write", path.c_str());
  }
  void Click(int x, int y) {
    game_.Click(x * scale_, y * scale_);
    Wait(0.4);
  }
  void Pour(int x, int y, double seconds) { game_.Hold(x * scale_, y * scale_, seconds); }
  void Park() { game_.MoveTo(470 * scale_, 310 * scale_); }
  void ChooseColour(int cell) {
    Click(468, 12);
    Click(40, 280);
    Click(cell % 10 * 40 + 60, cell / 10 * 40 + 40);
  }

 private:
  ProgramDriver& game_;
  std::string folder_;
  int scale_;
};

// Granzel at scale 2: sand on a scene, with sharp pixels.
int ScaleTwo(const std::string& folder) {
  ProgramDriver game(GRANZEL_EXECUTABLE, GRANZEL_MEDIA_FOLDER, vdr::TempFolder() + "granzel-scale2", {"--scale", "2"});
  if (!game.WaitForWindow(60)) return 1;
  Tour tour(game, folder, 2);
  Wait(9.5);
  tour.Click(468, 12);
  tour.Click(120, 280);
  tour.Click(260, 80);  // a scene
  const int colours[] = {5, 46, 28};
  const int places[] = {120, 240, 360};
  for (int i = 0; i < 3; ++i) {
    tour.ChooseColour(colours[i]);
    tour.Pour(places[i], 60, 8);
  }
  tour.Park();
  Wait(6);
  tour.Save("granzel-scale2.png");
  game.Xdotool("key Escape");
  return game.WaitForExit(30) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: granzel_tour FOLDER\n");
    return 2;
  }
  ProgramDriver game(GRANZEL_EXECUTABLE, GRANZEL_MEDIA_FOLDER, vdr::TempFolder() + "granzel-tour");
  if (!game.WaitForWindow(60)) return 1;
  Tour tour(game, argv[1]);
  Wait(3.5);  // the intro pictures have arrived; the program waits before the fade
  tour.Save("granzel-intro.png");
  Wait(6);

  // The picker pages.
  tour.Click(468, 12);
  tour.Park();
  Wait(0.5);
  tour.Save("granzel-colours.png");
  tour.Click(120, 280);
  tour.Park();
  Wait(0.5);
  tour.Save("granzel-backgrounds.png");
  tour.Click(200, 280);
  tour.Park();
  Wait(0.5);
  tour.Save("granzel-clips.png");
  tour.Click(120, 280);
  tour.Click(100, 40);  // a landscape

  // A clip to build on, then sand in several colours.
  tour.Click(468, 12);
  tour.Click(200, 280);
  tour.Click(180, 120);
  Wait(0.5);
  tour.Click(468, 12);
  const int colours[] = {23, 5, 46, 37, 12, 28};
  const int places[] = {70, 150, 220, 265, 330, 410};
  for (int i = 0; i < 6; ++i) {
    tour.ChooseColour(colours[i]);
    tour.Pour(places[i], 60, 14);
  }
  tour.Park();
  Wait(6);
  tour.Save("granzel-painting.png");
  game.Xdotool("key Escape");
  if (game.WaitForExit(30) != 0) return 1;
  return ScaleTwo(argv[1]);
}
