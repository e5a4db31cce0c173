// InputText and FileRequest in a real window, driven by real X input
// (xdotool) from inside the commands' own frames.

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/engine_state.h"
#include "app/frame_cycle.h"
#include "files/file_system.h"
#include "files/platform_paths.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/font_commands.h"
#include "gfx2d/render_context.h"
#include "input/input_commands.h"
#include "input/input_context.h"
#include "modal/chooser/chooser_layout.h"
#include "modal/chooser/file_request.h"
#include "modal/input_text.h"
#include "runtime/error_status.h"
#include "tests/support/engine_harness.h"
#include "tests/support/scripted_user.h"

namespace vdr {
namespace {

constexpr int32_t kRed = 0x0000FF, kGreen = 0x00FF00, kWhite = 0xFFFFFF;
constexpr int kWidth = 320, kHeight = 240;

// What the back buffer held when the message pump ran: inside ShowScreen
// before the frame is presented, or after it was presented and cleared.
struct FrameSample {
  int32_t background;
  bool textShown;
};
std::vector<FrameSample> g_samples;
bool g_sampling = false;

bool AnyWhiteIn(int x, int y, int w, int h) {
  std::vector<unsigned char> rgba(static_cast<size_t>(w * h * 4));
  glReadBuffer(GL_BACK);
  glReadPixels(x, kHeight - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  for (size_t i = 0; i < rgba.size(); i += 4) {
    if (rgba[i] == 255 && rgba[i + 1] == 255 && rgba[i + 2] == 255) return true;
  }
  return false;
}

void OnWindowMessage() {
  if (g_sampling) g_samples.push_back({test::ReadBackPixel(300, 220), AnyWhiteIn(20, 100, 48, 8)});
  test::ScriptedUser::OnWindowMessage();
}
const ProcedureEntry kProcedures[] = {{OnWindowMessage, "VDR_WIN32_MSG"}, {nullptr, nullptr}};

// A folder tree to browse: tree/{docs/, pics/{a.png, b.png, c.txt}, notes.txt, zz.png}.
std::string MakeTree() {
  const std::string tree = TempFolder() + "tree/";
  if (DirExists(tree.c_str()) == 0) {
    for (const char* folder : {"", "docs", "pics"}) ::mkdir((tree + folder).c_str(), 0777);
    for (const char* file : {"pics/a.png", "pics/b.png", "pics/c.txt", "notes.txt", "zz.png"}) {
      std::ofstream(tree + file) << "x";
    }
  }
  return tree;
}

constexpr const char* kPictures = "Pictures|*.png;*.jpg|All files|*.*";

class ChooserWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::StartEngine({.width = kWidth, .height = kHeight, .captureMouse = 0, .procedures = kProcedures});
    AutoPause(0);
    ASSERT_EQ(test::Xdotool("windowfocus --sync %w mousemove --window %w 5 5"), 0);
    ShowScreen();
  }
  void SetUp() override {
    tree_ = MakeTree();
    ASSERT_EQ(ChangeDirectory(tree_.c_str()), 1);
    // The program's picture; every fresh frame starts red.
    ClearScreen(kRed);
    DrawRect(0, 0, kWidth, kHeight, kGreen);
  }

  std::string tree_;
};

TEST_F(ChooserWindowTest, InputTextEditsOverTheScreenItStartedOn) {
  RuntimeString text = "ab";
  g_samples.clear();
  g_sampling = true;
  test::ScriptedUser().Keys({"c", "d", "BackSpace", "e", "Return"}).During("key Return", [&] {
    InputText(text, 20, 100);
  });
  g_sampling = false;
  EXPECT_EQ(std::string(text.c_str()), "abce");
  // Every frame was the saved screen with the text on it; the pump also
  // ran on frames just cleared after presenting.
  bool edited = false;
  for (const FrameSample& sample : g_samples) {
    EXPECT_TRUE(sample.background == kGreen || sample.background == kRed) << std::hex << sample.background;
    if (sample.background == kGreen) {
      EXPECT_TRUE(sample.textShown);
      edited = true;
    }
  }
  EXPECT_TRUE(edited);
  EXPECT_EQ(ActiveRenderContext()->Background(3).columns, 0);
}

TEST_F(ChooserWindowTest, OpenPicksAFileInASubFolderByKeyboard) {
  RecordError(kErrorOutOfData);
  // tree: "..", docs, pics, zz.png with docs highlighted.
  const RuntimeString chosen = test::ScriptedUser().Keys({"Down", "Return", "Down", "Return"}).During(
      "key Escape", [] { return FileRequest(1, kPictures); });
  EXPECT_EQ(std::string(chosen.c_str()), tree_ + "pics/b.png");
  EXPECT_EQ(CurrentDir(), tree_.c_str());
  EXPECT_EQ(ErrorStatus().code, kErrorOutOfData);
  EXPECT_EQ(EscapeEnds(), 1);
  // The program's frame goes on from its own picture.
  EXPECT_EQ(test::ReadBackPixel(10, 10), kGreen);
  EXPECT_EQ(ActiveRenderContext()->Background(4).columns, 0);
}

TEST_F(ChooserWindowTest, SaveTakesATypedNameInTheFolderBrowsed) {
  const RuntimeString chosen =
      test::ScriptedUser()
          .Keys({"Down", "Return", "o", "u", "t", "period", "p", "n", "g", "Return"})
          .During("key Escape", [] { return FileRequest(0, kPictures); });
  EXPECT_EQ(std::string(chosen.c_str()), tree_ + "pics/out.png");
  EXPECT_EQ(CurrentDir(), tree_.c_str());
  EXPECT_EQ(FileExists((tree_ + "pics/out.png").c_str()), 0);  // choosing a name writes nothing
}

ChooserRect RowOnScreen(int32_t visibleRow, bool save) {
  int32_t cellWidth, cellHeight;
  GetFontSize(cellWidth, cellHeight);
  return LayOutChooser(kWidth, kHeight, cellWidth, cellHeight, save).Row(visibleRow);
}

TEST_F(ChooserWindowTest, ADoubleClickOpensAFileAndTheFilterCanChange) {
  // With "All files" (Tab) the list is "..", docs, pics, notes.txt, zz.png.
  const ChooserRect row = RowOnScreen(3, false);
  const RuntimeString chosen = test::ScriptedUser()
                                   .Key("Tab")
                                   .MoveTo(row.x + 30, row.y + row.h / 2)
                                   .DoubleClick()
                                   .During("key Escape", [] { return FileRequest(1, kPictures); });
  EXPECT_EQ(std::string(chosen.c_str()), tree_ + "notes.txt");
}

TEST_F(ChooserWindowTest, CancelButtonGivesNoFileAndTheCapturedMouseBack) {
  ShowPointer(0);
  int32_t cellWidth, cellHeight;
  GetFontSize(cellWidth, cellHeight);
  const ChooserRect cancel = LayOutChooser(kWidth, kHeight, cellWidth, cellHeight, true).cancelButton;
  const RuntimeString chosen = test::ScriptedUser().MoveTo(cancel.x + 5, cancel.y + 5).Click().During(
      "key Escape", [] { return FileRequest(0, kPictures); });
  EXPECT_EQ(std::string(chosen.c_str()), "NO_FILE");
  EXPECT_FALSE(ActiveInput()->PointerShown());
  EXPECT_EQ(SDL_GetRelativeMouseMode(), SDL_TRUE);
  ShowPointer(1);
}

// Escape, which ends the program while EscapeEnds is on, cancels the
// chooser instead, and still ends the program afterwards.
TEST(ChooserEscapeTest, EscapeCancelsTheChooserNotTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        test::StartEngine({.width = kWidth, .height = kHeight, .captureMouse = 0, .procedures = kProcedures});
        AutoPause(0);
        test::Xdotool("windowfocus --sync %w");
        const std::string tree = MakeTree();
        ChangeDirectory(tree.c_str());
        // Into docs, then cancel.
        const RuntimeString chosen = test::ScriptedUser().Keys({"Return", "Escape"}).During(
            "key Escape", [] { return FileRequest(1, kPictures); });
        for (int frame = 0; frame < 3; ++frame) ShowScreen();
        std::fprintf(stderr, "chosen %s, same folder %d, escape ends %d\n", chosen.c_str(),
                     CurrentDir() == tree.c_str() ? 1 : 0, EscapeEnds());
        // Escape ends the program again: exit code 0 through END, else 1.
        test::Xdotool("keydown Escape sleep 0.1 keyup Escape");
        for (int frame = 0; frame < 60; ++frame) ShowScreen();
        std::_Exit(1);
      },
      testing::ExitedWithCode(0), "chosen NO_FILE, same folder 1, escape ends 1");
}

}  // namespace
}  // namespace vdr
