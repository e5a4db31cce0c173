// granzel-mediagen OUTPUT_DIR: draws every picture of Granzel, composes and
// encodes its music and writes its palette file into OUTPUT_DIR.

#include <cairo.h>

#include <cstdio>
#include <exception>
#include <string>

#include "tools/mediagen/backgrounds.h"
#include "tools/mediagen/clips.h"
#include "tools/mediagen/controls.h"
#include "tools/mediagen/font.h"
#include "tools/mediagen/grains.h"
#include "tools/mediagen/intro.h"
#include "tools/mediagen/media_writer.h"
#include "tools/mediagen/mp3_encoder.h"
#include "tools/mediagen/music.h"
#include "tools/mediagen/pages.h"
#include "tools/mediagen/palette_file.h"

namespace vdr::mediagen {
namespace {

void Generate(const std::string& folder) {
  const MediaWriter out(folder);
  out.Picture("rayas.png", DrawGrainStrip());

  const Image colourPage = DrawColourPage();
  out.Picture("opciones.png", colourPage);
  out.Bytes("colores.dat", PaletteFile(colourPage));

  const std::vector<Image> backgrounds = DrawBackgrounds();
  for (int n = 0; n < kBackgroundCount; ++n) out.Picture(NumberedName('b', n + 1), backgrounds[n], true);
  out.Picture("fondos.png", DrawBackgroundPage(backgrounds));

  const std::vector<Image> clips = DrawClips();
  for (int n = 0; n < kClipCount; ++n) out.Picture(NumberedName('c', n + 1), clips[n]);
  out.Picture("clips.png", DrawClipPage(clips));

  out.Picture("dorado.png", DrawHighlight());
  out.Picture("options.png", DrawOptionsButton());
  out.Picture("ok.png", DrawClipButtons());
  out.Picture("dg.png", DrawTitle());
  out.Picture("gato.png", DrawCat());
  out.Picture("smalfont.png", DrawFont());

  out.Bytes("sa.mp3", EncodeMp3(ComposeMusic(), kMusicSampleRate));
}

}  // namespace
}  // namespace vdr::mediagen

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: granzel-mediagen OUTPUT_DIR\n");
    return 2;
  }
  try {
    vdr::mediagen::Generate(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "granzel-mediagen: %s\n", e.what());
    return 1;
  }
  cairo_debug_reset_static_data();
  return 0;
}
