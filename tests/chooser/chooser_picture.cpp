// Draws docs/file-chooser.png: the file chooser as FileRequest shows it in
// Granzel's window, with the game's font and one of its backgrounds, over a
// small folder of the kind a player keeps:
//   xvfb-run -a build/bench/tests/chooser/chooser_picture docs

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "app/frame_cycle.h"
#include "app/program.h"
#include "app/project_settings.h"
#include "files/file_system.h"
#include "files/platform_paths.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/font_commands.h"
#include "gfx2d/render_context.h"
#include "modal/chooser/chooser_drawing.h"
#include "modal/chooser/chooser_entries.h"
#include "modal/chooser/file_chooser.h"
#include "tests/support/picture_folder.h"

namespace {

using namespace vdr;

constexpr int32_t kBackgroundRecord = 4;

void MakeSampleFolder(const std::string& folder) {
  ::mkdir(folder.c_str(), 0777);
  for (const char* sub : {"Media", "Screenshots", "Clips"}) ::mkdir((folder + sub).c_str(), 0777);
  for (const char* file : {"capt1.png", "capt2.png", "capt3.png", "Dunes.jpg", "sunset.png", "colores.dat",
                           "readme.txt", "castle.bmp", "harbour at night.png", "Mountain lake in the early morning.png"}) {
    std::ofstream(folder + file) << "x";
  }
}

void Configure(ProjectSettings& settings) {
  settings.screenWidth = 480;
  settings.screenHeight = 320;
  settings.captureMouse = 0;
  settings.windowTitle = "Granzel";
}

void Main() {
  const std::string output = test::PictureFolder() + "file-chooser.png";
  LoadFont(GRANZEL_MEDIA_DIR "/smalfont.png", 0);
  LoadBackground(GRANZEL_MEDIA_DIR "/b07.png");
  const std::string folder = TempFolder() + "Granzel/";
  MakeSampleFolder(folder);
  ChangeDirectory(folder.c_str());

  OpenGLLumet& context = *ActiveRenderContext();
  context.Backgrounds().GrabBackground(kBackgroundRecord);
  FileChooser chooser(ChooserMode::kOpen, ParseFileFilter("Pictures|*.png;*.jpg;*.bmp|All files|*.*"));
  const FontGrid cell = context.Fonts().FontCellSize(context.Fonts().CurrentFont());
  const ChooserLayout layout = LayOutChooser(context.Width(), context.Height(), cell.cellWidth, cell.cellHeight, false);
  chooser.SetVisibleRows(layout.visibleRows);
  chooser.SetEntries(ListCurrentFolder(chooser.Filter()));
  chooser.Highlight(8);  // "Dunes.jpg"
  const std::string shown = CurrentDir().c_str();
  DrawChooser(context, kBackgroundRecord, {layout, chooser, shown, {ChooserPart::kOk}, {}, false});
  SaveScreenshot(output.c_str());
  std::printf("%s\n", output.c_str());
  ShowScreen();
  context.Backgrounds().ClearBackground(kBackgroundRecord);
}

const ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
