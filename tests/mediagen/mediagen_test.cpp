// The generated media: sizes and layouts the game relies on, the palette
// file against the colour page, pixel rules (grain alpha, colour key), the
// music's length, and that generation repeats exactly.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Rgba {
  uint8_t r, g, b, a;
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;
  const Rgba& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

std::string MediaPath(const std::string& name) { return std::string(GRANZEL_MEDIA_DIR) + "/" + name; }

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

Picture ReadPicture(const std::string& name) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  Picture picture;
  if (!png_image_begin_read_from_file(&png, MediaPath(name).c_str())) {
    ADD_FAILURE() << name << ": " << png.message;
    return picture;
  }
  png.format = PNG_FORMAT_RGBA;
  picture.width = static_cast<int>(png.width);
  picture.height = static_cast<int>(png.height);
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  if (!png_image_finish_read(&png, nullptr, picture.pixels.data(), 0, nullptr)) ADD_FAILURE() << name << ": " << png.message;
  return picture;
}

std::string Numbered(char letter, int n) {
  char name[16];
  std::snprintf(name, sizeof name, "%c%02d.png", letter, n);
  return name;
}

std::vector<std::string> AllPictures() {
  std::vector<std::string> names = {"rayas.png", "opciones.png", "fondos.png", "clips.png", "dorado.png",
                                    "options.png", "ok.png", "dg.png", "gato.png", "smalfont.png"};
  for (int n = 1; n <= 60; ++n) {
    names.push_back(Numbered('b', n));
    names.push_back(Numbered('c', n));
  }
  return names;
}

int CountOpaque(const Picture& p, int x0, int y0, int w, int h) {
  int count = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) count += p.at(x, y).a == 255;
  return count;
}

bool AlphaIsBinary(const Picture& p) {
  for (const Rgba& px : p.pixels)
    if (px.a != 0 && px.a != 255) return false;
  return true;
}

TEST(MediaGenerator, FixedPicturesHaveTheirSizes) {
  struct Case {
    const char* name;
    int width, height;
  } cases[] = {{"rayas.png", 25, 300},   {"opciones.png", 480, 280}, {"fondos.png", 480, 280}, {"clips.png", 480, 280},
               {"dorado.png", 40, 40},   {"options.png", 24, 24},    {"ok.png", 72, 24}};
  for (const Case& c : cases) {
    const Picture p = ReadPicture(c.name);
    EXPECT_EQ(p.width, c.width) << c.name;
    EXPECT_EQ(p.height, c.height) << c.name;
  }
  for (int n = 1; n <= 60; ++n) {
    const Picture background = ReadPicture(Numbered('b', n));
    EXPECT_EQ(background.width, 480) << n;
    EXPECT_EQ(background.height, 320) << n;
    EXPECT_EQ(CountOpaque(background, 0, 0, 480, 320), 480 * 320) << "background " << n << " is not opaque";

    const Picture clip = ReadPicture(Numbered('c', n));
    EXPECT_TRUE(clip.width >= 40 && clip.width <= 170 && clip.height >= 40 && clip.height <= 170)
        << "clip " << n << " is " << clip.width << " x " << clip.height;
    const int opaque = CountOpaque(clip, 0, 0, clip.width, clip.height);
    EXPECT_GT(opaque, 0) << "clip " << n << " is empty";
    EXPECT_LT(opaque, clip.width * clip.height) << "clip " << n << " has no transparency";
  }
}

TEST(MediaGenerator, PaletteFileHoldsTheColourAtEachCellCentre) {
  const std::vector<uint8_t> bytes = ReadBytes(MediaPath("colores.dat"));
  ASSERT_EQ(bytes.size(), 480u);
  const Picture page = ReadPicture("opciones.png");
  for (int n = 0; n < 60; ++n) {
    double record;
    std::memcpy(&record, bytes.data() + n * 8, 8);  // little-endian, as on this machine
    const int cx = (n % 10) * 40 + 60, cy = (n / 10) * 40 + 20;
    const Rgba centre = page.at(cx, cy);
    EXPECT_EQ(centre.a, 255) << "cell " << n;
    EXPECT_EQ(record, centre.r + centre.g * 256.0 + centre.b * 65536.0) << "cell " << n;
    // A flat patch round the centre, so a filtered or shifted read gives the same colour.
    for (int dy = -4; dy <= 4; ++dy)
      for (int dx = -4; dx <= 4; ++dx) {
        const Rgba p = page.at(cx + dx, cy + dy);
        EXPECT_TRUE(p.r == centre.r && p.g == centre.g && p.b == centre.b && p.a == 255)
            << "cell " << n << " is not flat at " << dx << "," << dy;
      }
  }
}

TEST(MediaGenerator, EveryGrainIsPixelExact) {
  const Picture strip = ReadPicture("rayas.png");
  ASSERT_EQ(strip.width, 25);
  EXPECT_TRUE(AlphaIsBinary(strip));
  for (int colour = 0; colour < 60; ++colour)
    for (int variant = 0; variant < 5; ++variant)
      EXPECT_GT(CountOpaque(strip, variant * 5, colour * 5, 5, 5), 0) << "colour " << colour << " variant " << variant;
}

TEST(MediaGenerator, SpritesDrawnWithTheAlphaTestHaveNoHalfCoveredPixels) {
  for (const char* name : {"opciones.png", "fondos.png", "clips.png", "options.png", "ok.png", "dg.png", "gato.png",
                           "smalfont.png"})
    EXPECT_TRUE(AlphaIsBinary(ReadPicture(name))) << name;
}

TEST(MediaGenerator, NoVisiblePixelHasTheColourKey) {
  for (const std::string& name : AllPictures()) {
    const Picture p = ReadPicture(name);
    for (const Rgba& px : p.pixels)
      if (px.a != 0 && px.r == 255 && px.g == 0 && px.b == 128) {
        ADD_FAILURE() << name << " has a pixel in the colour key";
        break;
      }
  }
}

TEST(MediaGenerator, ButtonsSitWhereTheirHotspotsAre) {
  // Cancel at x 408..432 and confirm at 456..480 of the screen; the picture
  // is drawn at 408, so the middle 24 pixels stay clear.
  const Picture ok = ReadPicture("ok.png");
  EXPECT_GT(CountOpaque(ok, 0, 0, 24, 24), 200);
  EXPECT_EQ(CountOpaque(ok, 24, 0, 24, 24), 0);
  EXPECT_GT(CountOpaque(ok, 48, 0, 24, 24), 200);

  const Picture highlight = ReadPicture("dorado.png");
  EXPECT_EQ(highlight.at(20, 20).a, 0) << "the chosen cell shows through";
  EXPECT_GT(highlight.at(20, 2).a, 0);

  // The page buttons and the grid cover the page.
  const Picture page = ReadPicture("fondos.png");
  EXPECT_EQ(CountOpaque(page, 40, 0, 400, 280), 400 * 280);
}

TEST(MediaGenerator, IntroPicturesFitBesideEachOther) {
  const Picture title = ReadPicture("dg.png"), cat = ReadPicture("gato.png");
  // Title at (20, 72), cat at (322.5, 20) on a 480 x 320 screen.
  EXPECT_LE(20 + title.width, 322);
  EXPECT_LE(72 + title.height, 320);
  EXPECT_LE(323 + cat.width, 480);
  EXPECT_LE(20 + cat.height, 320);
}

TEST(MediaGenerator, FontHasEveryPrintableCharacter) {
  const Picture font = ReadPicture("smalfont.png");
  // Wider than high: 16 x 8 cells, characters 0..127.
  ASSERT_GT(font.width, font.height);
  ASSERT_EQ(font.width % 16, 0);
  ASSERT_EQ(font.height % 8, 0);
  const int cw = font.width / 16, ch = font.height / 8;
  for (int code = 0; code < 128; ++code) {
    const int ink = CountOpaque(font, (code % 16) * cw, (code / 16) * ch, cw, ch);
    if (code > 32 && code < 127)
      EXPECT_GT(ink, 0) << "character " << code;
    else
      EXPECT_EQ(ink, 0) << "character " << code;
  }
}

// Seconds of an MPEG-1 Layer III stream, counted frame by frame; -1 if the
// stream does not parse to its end.
double Mp3Seconds(const std::vector<uint8_t>& data) {
  static const int kKbps[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
  static const int kRates[4] = {44100, 48000, 32000, 0};
  size_t at = 0;
  if (data.size() >= 10 && std::memcmp(data.data(), "ID3", 3) == 0)
    at = 10 + ((data[6] & 127u) << 21 | (data[7] & 127u) << 14 | (data[8] & 127u) << 7 | (data[9] & 127u));
  long frames = 0;
  int rate = 0;
  while (at + 4 <= data.size()) {
    const uint32_t h = uint32_t{data[at]} << 24 | data[at + 1] << 16 | data[at + 2] << 8 | data[at + 3];
    const bool mpeg1Layer3 = (h >> 21) == 0x7FF && ((h >> 19) & 3) == 3 && ((h >> 17) & 3) == 1;
    const int kbps = kKbps[(h >> 12) & 15];
    rate = kRates[(h >> 10) & 3];
    if (!mpeg1Layer3 || kbps == 0 || rate == 0) return -1;
    at += 144000u * kbps / rate + ((h >> 9) & 1);
    ++frames;
  }
  return at == data.size() && rate > 0 ? frames * 1152.0 / rate : -1;
}

TEST(MediaGenerator, MusicLastsOneToTwoMinutes) {
  const double seconds = Mp3Seconds(ReadBytes(MediaPath("sa.mp3")));
  EXPECT_GE(seconds, 60);
  EXPECT_LE(seconds, 120);
}

TEST(MediaGenerator, GeneratingAgainGivesTheSameFiles) {
  const fs::path again = fs::temp_directory_path() / "media-again";
  const std::string command = std::string(GRANZEL_MEDIAGEN) + " " + again.string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::vector<std::string> names = AllPictures();
  names.insert(names.end(), {"colores.dat", "sa.mp3"});
  for (const std::string& name : names) {
    const std::vector<uint8_t> first = ReadBytes(MediaPath(name));
    EXPECT_FALSE(first.empty()) << name;
    EXPECT_EQ(first, ReadBytes((again / name).string())) << name;
  }
}

}  // namespace
