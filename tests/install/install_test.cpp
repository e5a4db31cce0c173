// The installed runtime used from outside the source tree: `cmake --install`
// into a temporary prefix, vendril-new-game from that prefix, the game built
// once with find_package(Vendril) and once with one compiler command through
// pkg-config, each run until its first frame and ended with Escape.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "files/platform_paths.h"
#include "tests/support/program_driver.h"

namespace vdr::test {
namespace {

constexpr uint32_t kBackground = 30 | 60 << 8 | 110 << 16;
constexpr uint32_t kFace = 250 | 200 << 8 | 40 << 16;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class InstallTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = new std::string(TempFolder() + "install");
    prefix_ = new std::string(*root_ + "/prefix");
    installed_ = Run(std::string(CMAKE_EXECUTABLE) + " --install " VENDRIL_BUILD_DIR " --prefix " + *prefix_);
  }
  static void TearDownTestSuite() {
    delete root_;
    delete prefix_;
  }

  // Runs a shell command, its output into a log shown when it fails.
  static bool Run(const std::string& command) {
    const std::string log = TempFolder() + "command.log";
    const int status = std::system(("(" + command + ") >" + log + " 2>&1").c_str());
    if (status != 0) ADD_FAILURE() << command << "\n" << ReadAll(log);
    return status == 0;
  }

  // A new game from the installed template, in a folder of its own.
  static bool NewGame(const std::string& name, const std::string& folder) {
    return Run("rm -rf " + folder + " && " + *prefix_ + "/bin/vendril-new-game " + name + " " + folder);
  }

  // Starts the game, waits for its first frame (the face on the background,
  // the line of text above), moves the face with the right arrow and ends
  // the game with Escape.
  static void Play(const std::string& executable, const std::string& workFolder) {
    ProgramDriver game(executable, "", workFolder);
    ASSERT_TRUE(game.WaitForWindow(60));
    const auto faceLeft = [](const WindowPicture& p) {
      for (int x = 0; x < p.width; ++x) {
        if (CountPixels(p, x, 0, x + 1, p.height, [](uint32_t c) { return c == kFace; }) > 0) return x;
      }
      return -1;
    };
    const WindowPicture first = game.WaitFor([&](const WindowPicture& p) {
      const int text = CountPixels(p, 0, 0, p.width, 24, [](uint32_t c) { return c != kBackground; });
      return p.At(600, 440) == kBackground && faceLeft(p) > 0 && text > 50;
    });
    ASSERT_GT(first.width, 0) << "no first frame";
    game.Xdotool("keydown --window %w Right");
    const WindowPicture moved = game.WaitFor([&](const WindowPicture& p) { return faceLeft(p) > faceLeft(first) + 20; });
    game.Xdotool("keyup --window %w Right");
    EXPECT_GT(moved.width, 0) << "the right arrow did not move the face";
    // Held across frames as a user would: a tap that starts and ends between
  // two of the program's own key reads in one frame is not seen by the end
  // check. The release goes to the server, not to the window, which is gone
  // by then: a key left held would end the next program at once.
  game.Xdotool("keydown --window %w Escape sleep 0.3 keyup Escape");
    EXPECT_EQ(game.WaitForExit(30), 0);
  }

  static std::string* root_;
  static std::string* prefix_;
  static bool installed_;
};

std::string* InstallTest::root_ = nullptr;
std::string* InstallTest::prefix_ = nullptr;
bool InstallTest::installed_ = false;

TEST_F(InstallTest, TemplateBuildsWithTheCMakePackage) {
  ASSERT_TRUE(installed_);
  const std::string game = *root_ + "/cmake-game";
  ASSERT_TRUE(NewGame("rocket", game));
  ASSERT_TRUE(Run(std::string(CMAKE_EXECUTABLE) + " -S " + game + " -B " + game + "/build -G Ninja" +
                  " -DCMAKE_CXX_COMPILER=" CXX_COMPILER " -DCMAKE_EXPORT_COMPILE_COMMANDS=ON" +
                  " -DCMAKE_PREFIX_PATH=" + *prefix_));
  ASSERT_TRUE(Run(std::string(CMAKE_EXECUTABLE) + " --build " + game + "/build"));
  // Everything the game's compiler sees comes from the prefix.
  const std::string commands = ReadAll(game + "/build/compile_commands.json");
  EXPECT_NE(commands.find(*prefix_ + "/include/vendril"), std::string::npos) << commands;
  EXPECT_EQ(commands.find(VENDRIL_SOURCE_DIR), std::string::npos) << commands;
  Play(game + "/build/rocket", *root_ + "/cmake-run");
}

TEST_F(InstallTest, TemplateBuildsWithOneCompilerCommandThroughPkgConfig) {
  ASSERT_TRUE(installed_);
  const std::string game = *root_ + "/pkg-config-game";
  ASSERT_TRUE(NewGame("comet", game));
  ASSERT_TRUE(Run("cd " + game + " && export PKG_CONFIG_PATH=" + *prefix_ + "/" VENDRIL_INSTALL_LIBDIR "/pkgconfig && " +
                  CXX_COMPILER " -o comet main.cpp $(pkg-config --cflags --libs vendril)"));
  ASSERT_TRUE(Run("cd " + game + " && " + *prefix_ + "/bin/vendril-pack append comet Media/*"));
  Play(game + "/comet", *root_ + "/pkg-config-run");
}

}  // namespace
}  // namespace vdr::test
