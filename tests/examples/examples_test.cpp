// Every example started as a user would: its window opens, shows what the
// example draws, answers a key where it has one, and Escape ends it with
// exit code 0.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "files/platform_paths.h"
#include "tests/support/program_driver.h"

namespace vdr::test {
namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

bool Shows(const WindowPicture& p, int x0, int y0, int x1, int y1, uint32_t colour) {
  return CountPixels(p, x0, y0, x1, y1, [&](uint32_t c) { return c == colour; }) > 0;
}

struct Example {
  const char* name;
  // What the first frames show.
  std::function<bool(const WindowPicture&)> drawn;
  // Input the example answers, and what it shows then; the driver's folder
  // is the example's current folder.
  std::function<void(ProgramDriver&)> drive;
};

void PrintTo(const Example& example, std::ostream* out) { *out << example.name; }

void NoInput(ProgramDriver&) {}

constexpr uint32_t kSquare = Rgb(90, 220, 120);
constexpr uint32_t kHeading = Rgb(150, 40, 30);

const Example kExamples[] = {
    {"sprites_and_drawing",
     [](const WindowPicture& p) { return p.At(22, 22) == Rgb(200, 60, 40) && Shows(p, 240, 40, 256, 56, Rgb(240, 200, 60)); },
     NoInput},
    // The scene drawn into screen 1 appears where its sprite is drawn; the
    // enlarged font prints taller letters than the built-in one.
    {"screens_and_fonts",
     [](const WindowPicture& p) {
       const auto letters = [&](int y0, int y1) { return CountPixels(p, 20, y0, 300, y1, [](uint32_t c) { return c == 0xFFFFFF; }); };
       return Shows(p, 20, 20, 180, 140, Rgb(230, 230, 210)) && letters(200, 232) > 200 && letters(300, 316) > 50;
     },
     NoInput},
    // The right arrow moves the square; O opens the chooser over it and
    // Escape cancels the chooser without ending the program. The arrow is
    // let go at once, so the square stays in sight however slowly the
    // pictures are taken: its left edge has left x = 300.
    {"input_and_chooser", [](const WindowPicture& p) { return p.At(305, 225) == kSquare; },
     [](ProgramDriver& example) {
       example.Xdotool("keydown --window %w Right sleep 0.2 keyup --window %w Right");
       EXPECT_GT(example.WaitFor([](const WindowPicture& p) {
                          return p.At(300, 225) != kSquare && Shows(p, 300, 200, 500, 280, kSquare);
                        }).width,
                 0)
           << "the square did not move right";
       example.Xdotool("keydown --window %w o sleep 0.3 keyup --window %w o");
       EXPECT_GT(example.WaitFor([](const WindowPicture& p) { return !Shows(p, 300, 200, 500, 280, kSquare); }).width, 0)
           << "no chooser";
       example.Xdotool("keydown --window %w Escape sleep 0.3 keyup --window %w Escape");
       EXPECT_GT(example.WaitFor([](const WindowPicture& p) { return Shows(p, 300, 200, 500, 280, kSquare); }).width, 0)
           << "the chooser did not close";
     }},
    {"sound_and_music", [](const WindowPicture& p) { return p.At(110, 210) == Rgb(50, 60, 70); }, NoInput},
    // The fourth heading sits below the three lines of the packed poem.
    {"files_and_packs", [](const WindowPicture& p) { return p.At(17, 19) == kHeading && p.At(17, 184) == kHeading; },
     NoInput},
};

class ExamplesTest : public ::testing::TestWithParam<Example> {};

TEST_P(ExamplesTest, OpensDrawsAndEndsOnEscape) {
  const Example& example = GetParam();
  ProgramDriver program(std::string(EXAMPLES_FOLDER) + "/" + example.name, "", TempFolder() + example.name);
  ASSERT_TRUE(program.WaitForWindow(60));
  const WindowPicture first = program.WaitFor(example.drawn);
  if (first.width == 0) SavePicture(program.Capture(), TempFolder() + example.name + ".png");
  ASSERT_GT(first.width, 0) << "the window does not show what " << example.name << " draws";
  example.drive(program);
  // Held across frames as a user would: a tap that starts and ends between
  // two of the program's own key reads in one frame is not seen by the end
  // check. The release goes to the server, not to the window, which is gone
  // by then: a key left held would end the next program at once.
  program.Xdotool("keydown --window %w Escape sleep 0.3 keyup Escape");
  EXPECT_EQ(program.WaitForExit(30), 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExamplesTest, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<Example>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vdr::test
