// FindPath on a map of countryside: meadows are cheap to cross, woods and
// hills dearer, lakes and walls cannot be crossed. The left mouse button sets
// the start, the right button the goal, the wheel the weight (0: the
// cheapest path, 1: straight for the goal). Escape or closing the window ends.

#include <algorithm>
#include <cmath>

#include "vendril.h"

namespace {

constexpr int kCell = 8;
constexpr int kColumns = 80;
constexpr int kRows = 56;
constexpr int kMapBottom = kRows * kCell;
constexpr int kMapSprite = 1;
constexpr int kNoCell = -1;

constexpr int kPathColour = vdr::Rgb(255, 255, 0);
constexpr int kStartColour = vdr::Rgb(48, 224, 48);
constexpr int kGoalColour = vdr::Rgb(240, 48, 48);
constexpr int kGaugeColour = vdr::Rgb(64, 192, 224);
constexpr int kGaugeFrameColour = vdr::Rgb(232, 232, 232);
constexpr int kStatusColour = vdr::Rgb(24, 32, 48);

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = kColumns * kCell;
  settings.screenHeight = kMapBottom + 32;
  settings.framesPerSecond = 60;
  settings.captureMouse = 0;
  settings.windowTitle = "Vendril path finder";
}

// Smooth noise in 0..1: random heights on a coarse lattice, blended between
// lattice points, a finer lattice added for detail.
class Terrain {
 public:
  explicit Terrain(int spacing) : spacing_(spacing) {
    for (double& h : heights_) h = vdr::Random(1000) / 1000.0;
  }
  double At(int x, int y) const {
    const double fx = static_cast<double>(x) / spacing_, fy = static_cast<double>(y) / spacing_;
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const double tx = Smooth(fx - x0), ty = Smooth(fy - y0);
    const double top = Lerp(Height(x0, y0), Height(x0 + 1, y0), tx);
    const double bottom = Lerp(Height(x0, y0 + 1), Height(x0 + 1, y0 + 1), tx);
    return Lerp(top, bottom, ty);
  }

 private:
  static constexpr int kSide = 24;
  static double Smooth(double t) { return t * t * (3 - 2 * t); }
  static double Lerp(double a, double b, double t) { return a + (b - a) * t; }
  double Height(int x, int y) const { return heights_[(y % kSide) * kSide + x % kSide]; }

  int spacing_;
  double heights_[kSide * kSide];
};

// Map values: 0 for water, -1 for walls (both blocked), else 1 (meadow) to
// 9 (high hills).
void MakeMap(vdr::RuntimeArray<double>& map) {
  vdr::SeedRandom(20);
  const Terrain coarse(12), fine(4);
  map.Dim(kColumns, kRows);
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      const double n = 0.75 * coarse.At(x, y) + 0.25 * fine.At(x, y);
      map.At(x, y) = n < 0.3 ? 0 : std::min(9.0, 1 + std::floor((n - 0.3) * 18));
    }
  }
  // Two old walls with a gate in each.
  for (int y = 4; y < 40; ++y) map.At(52, y) = y == 21 ? 1 : -1;
  for (int x = 10; x < 46; ++x) map.At(x, 44) = x == 30 ? 1 : -1;
}

// Light meadow green at 1, dark woods at 5, brown hills at 9.
int CellColour(double value) {
  if (value < 0) return vdr::Rgb(95, 95, 100);  // wall
  if (value == 0) return vdr::Rgb(40, 90, 150);  // water
  static const int kStops[3][3] = {{150, 200, 90}, {45, 115, 55}, {150, 115, 80}};
  const double t = (value - 1) / 4;
  const int i = std::min(static_cast<int>(t), 1);
  const double u = t - i;
  const auto mix = [&](int c) { return static_cast<int>(kStops[i][c] + (kStops[i + 1][c] - kStops[i][c]) * u); };
  return vdr::Rgb(mix(0), mix(1), mix(2));
}

void MakeMapSprite(const vdr::RuntimeArray<double>& map) {
  vdr::RuntimeArray<int32_t> pixels;
  pixels.Dim(kColumns * kRows);
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      const uint32_t opaque = 0xFF000000u | static_cast<uint32_t>(CellColour(map.At(x, y)));
      pixels[y * kColumns + x] = static_cast<int32_t>(opaque);
    }
  }
  vdr::MemToSprite(pixels, kMapSprite, kColumns, kRows);
}

struct Planner {
  int startX = 6, startY = 6, goalX = 72, goalY = 50;
  double weight = 0;
  vdr::RuntimeArray<int32_t> path;
  int cells = 0;
  double cost = 0;

  void Plan(const vdr::RuntimeArray<double>& map) {
    cells = vdr::FindPath(map, path, weight, startX, startY, goalX, goalY);
    cost = 0;
    for (int i = 1; i < cells; ++i) cost += map.At(path.At(i, 0), path.At(i, 1));
  }
};

void DrawMarker(int x, int y, int colour) {
  vdr::DrawRect(x * kCell - 2, y * kCell - 2, kCell + 4, kCell + 4, 0x202020);
  vdr::DrawRect(x * kCell, y * kCell, kCell, kCell, colour);
}

void DrawPath(const Planner& planner) {
  for (int i = 1; i < planner.cells; ++i) {
    const int x1 = planner.path.At(i - 1, 0) * kCell + kCell / 2, y1 = planner.path.At(i - 1, 1) * kCell + kCell / 2;
    const int x2 = planner.path.At(i, 0) * kCell + kCell / 2, y2 = planner.path.At(i, 1) * kCell + kCell / 2;
    vdr::DrawRect(std::min(x1, x2) - 1, std::min(y1, y2) - 1, std::abs(x2 - x1) + 3, std::abs(y2 - y1) + 3, kPathColour);
  }
  DrawMarker(planner.startX, planner.startY, kStartColour);
  DrawMarker(planner.goalX, planner.goalY, kGoalColour);
}

void DrawStatus(const Planner& planner) {
  vdr::DrawRect(0, kMapBottom, kColumns * kCell, 32, kStatusColour);
  vdr::PrintText("Left button: start   Right button: goal   Wheel: weight", 8, kMapBottom + 4);
  vdr::RuntimeString line = "weight " + vdr::FormatNumber(0, 1, planner.weight);
  if (planner.cells > 0) {
    line += "   ";
    line += planner.cells;
    line += " cells   cost ";
    line += planner.cost;
  } else {
    line += "   no way through";
  }
  vdr::PrintText(line, 8, kMapBottom + 18);
  // The weight as a gauge at the right.
  const int left = kColumns * kCell - 120;
  vdr::DrawRect(left, kMapBottom + 18, 104, 10, kGaugeFrameColour);
  vdr::DrawRect(left + 2, kMapBottom + 20, 100, 6, kStatusColour);
  vdr::DrawRect(left + 2, kMapBottom + 20, static_cast<int>(std::lround(100 * planner.weight)), 6, kGaugeColour);
}

void Main() {
  vdr::RuntimeArray<double> map;
  MakeMap(map);
  MakeMapSprite(map);
  Planner planner;
  planner.Plan(map);
  for (;;) {
    int32_t x, y, left, right;
    vdr::MouseState(x, y, left, right);
    const int32_t wheel = vdr::MouseAxis(2);
    const int column = x / kCell, row = y < kMapBottom ? y / kCell : kNoCell;
    bool changed = false;
    if (row != kNoCell && left && (column != planner.startX || row != planner.startY)) {
      planner.startX = column, planner.startY = row, changed = true;
    }
    if (row != kNoCell && right && (column != planner.goalX || row != planner.goalY)) {
      planner.goalX = column, planner.goalY = row, changed = true;
    }
    if (wheel != 0) {
      planner.weight = std::clamp(std::round(planner.weight * 10 + wheel) / 10, 0.0, 1.0);
      changed = true;
    }
    if (changed) planner.Plan(map);

    vdr::SmoothShading(0);  // cells with sharp edges; every frame starts smoothing
    vdr::StretchSprite(kMapSprite, 0, 0, kColumns * kCell, kMapBottom);
    DrawPath(planner);
    DrawStatus(planner);
    vdr::ShowScreen();
  }
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
