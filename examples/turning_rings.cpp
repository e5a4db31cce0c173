// Three rings turning under two coloured lights over a floor they cast
// shadows on, fading into the fog with distance, each breathing between the
// two keyframes of its object. The ring under the mouse is found by a ray
// through the mouse's pixel and named by a label above it. Space switches a
// shader program on and off that paints the lit colours in bands. Escape or
// closing the window ends.
//
// The example writes its object files ("rings.ddd" and "floor.ddd", the DDDA
// text variant) and its shader into the current folder when it starts.

#include <cmath>
#include <string>
#include <vector>

#include "vendril.h"

namespace {

constexpr int kRing = 1;
constexpr int kFloor = 2;
constexpr int kShader = 0;
constexpr int kKeySpace = 57;
constexpr int kFogColour = 0x402818;  // dark blue
constexpr double kPi = 3.14159265358979;

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.framesPerSecond = 60;
  settings.captureMouse = 0;
  settings.windowTitle = "Vendril turning rings";
}

std::string Number(double value) { return vdr::NumberText(value).c_str(); }

// A torus of `around` x `across` quads in two alternating colours; frame 1
// is the same ring squeezed to half its height with a fatter tube.
void WriteRing(const vdr::RuntimeString& file, int around, int across) {
  vdr::OpenFile(0, file, 0);
  vdr::WriteLine(0, "DDDA 1.1");
  vdr::WriteLine(0, "0  # no texture coordinates");
  vdr::WriteLine(0, std::to_string(around * across).c_str());
  auto corner = [&](int i, int j) { return std::to_string((i % around) * across + j % across) + " 0"; };
  for (int i = 0; i < around; ++i) {
    for (int j = 0; j < across; ++j) {
      const char* colour = (i + j) % 2 == 0 ? "240 190 60" : "230 230 230";
      vdr::WriteLine(0, (std::string(colour) + "  4  " + corner(i, j) + "  " + corner(i, j + 1) + "  " +
                         corner(i + 1, j + 1) + "  " + corner(i + 1, j)).c_str());
    }
  }
  vdr::WriteLine(0, "2");
  for (const double squeeze : {1.0, 0.5}) {
    const double tube = squeeze == 1.0 ? 0.35 : 0.5;
    vdr::WriteLine(0, std::to_string(around * across).c_str());
    for (int i = 0; i < around; ++i) {
      const double a = 2 * kPi * i / around;
      for (int j = 0; j < across; ++j) {
        const double b = 2 * kPi * j / across;
        const double nx = std::cos(a) * std::cos(b), ny = std::sin(b), nz = std::sin(a) * std::cos(b);
        const double x = std::cos(a) + tube * nx, y = (tube * ny) * squeeze, z = std::sin(a) + tube * nz;
        vdr::WriteLine(0, (Number(x) + " " + Number(y) + " " + Number(z) + "  " + Number(nx) + " " + Number(ny) +
                           " " + Number(nz)).c_str());
      }
    }
  }
  vdr::CloseFile(0);
}

// The lines into a new file through channel 0.
void WriteLines(const vdr::RuntimeString& file, const std::vector<std::string>& lines) {
  vdr::OpenFile(0, file, 0);
  for (const std::string& line : lines) vdr::WriteLine(0, line.c_str());
  vdr::CloseFile(0);
}

// A dark green floor of 40 x 40 units at y = 0, facing up.
void WriteFloor(const vdr::RuntimeString& file) {
  std::vector<std::string> lines{"DDDA 1.1", "0", "1", "60 80 50  4  0 0  1 0  2 0  3 0", "1", "4"};
  for (const char* corner : {"-20 0 10", "20 0 10", "20 0 -30", "-20 0 -30"}) {
    lines.push_back(std::string(corner) + "  0 1 0");
  }
  WriteLines(file, lines);
}

// Places ring 0, 1 or 2 by the object transform.
void PlaceRing(int ring, double turn) {
  vdr::ResetObjectTransform();
  vdr::TranslateObject(ring * 2.2 - 2.2, 0, -ring * 4.0);
  vdr::RotateObject(turn + ring * 40, 0.3, 1, 0.2);
}

// Lit colour in four bands, with the fog the fixed pipeline would add.
void WriteShader(const vdr::RuntimeString& file) {
  WriteLines(file, {"uniform float bands;", "void main() {",
                    "  vec3 banded = floor(gl_Color.rgb * bands + 0.5) / bands;",
                    "  float fog = clamp((gl_Fog.end - gl_FogFragCoord) * gl_Fog.scale, 0.0, 1.0);",
                    "  gl_FragColor = vec4(mix(gl_Fog.color.rgb, banded, fog), 1.0);", "}"});
}

void Main() {
  WriteRing("rings.ddd", 48, 16);
  vdr::LoadObject("rings.ddd", kRing);
  WriteFloor("floor.ddd");
  vdr::LoadObject("floor.ddd", kFloor);
  WriteShader("bands.frag");
  const bool shaders = vdr::LoadShader(kShader, "", "bands.frag") == 1;
  bool banded = false, spaceHeld = false;
  for (int frame = 0;; ++frame) {
    const bool space = vdr::KeyDown(kKeySpace) != 0;
    if (space && !spaceHeld) banded = !banded;
    spaceHeld = space;

    vdr::ClearScreen(kFogColour);
    vdr::Begin3D(1, 100, 45);
    vdr::SetCamera(0, 1.5, 7, 0, 0, -3);
    vdr::SetFog(kFogColour, 0, 5, 16);
    vdr::SetLight(0, 0x5050FF, -6, 3, 4, 0, 0, 0, 120);  // warm red from the left
    vdr::SetLight(1, 0xFF9040, 6, 2, 2, 0, 0, 0, 120);   // cool blue from the right
    vdr::SetLight(-2, 0xFFFFFF, 1, 9, -2, 0, 0, 0, 1);   // shadows from above
    vdr::SetCullMode(-1);
    if (banded && shaders) {
      vdr::UseShader(kShader);
      vdr::SetShaderFloat("bands", 4);
    }
    const double turn = frame * 1.2;
    const double breath = 0.5 + 0.5 * std::sin(frame * 0.04);
    vdr::TranslateObject(0, -1.6, 0);
    vdr::DrawObject(kFloor, 0);
    // The nearest ring the ray through the mouse's pixel hits.
    double mouseX, mouseY, left, right;
    vdr::MouseState(mouseX, mouseY, left, right);
    int pointed = -1;
    double nearest = 0;
    for (int ring = 0; ring < 3; ++ring) {
      PlaceRing(ring, turn);
      const double blend = ring == 1 ? breath : 0;
      vdr::DrawObjectBlend(kRing, 0, 1, blend);
      const double distance = vdr::ObjectScreenDistance(kRing, blend < 0.5 ? 0 : 1, mouseX, mouseY);
      if (distance >= 0 && (pointed < 0 || distance < nearest)) {
        pointed = ring;
        nearest = distance;
      }
    }
    vdr::ResetObjectTransform();
    vdr::UseShader(-1);  // the caption and the label in the fixed pipeline
    if (pointed >= 0) {
      const std::string label = "ring " + std::to_string(pointed + 1);
      vdr::PrintText3D(label.c_str(), pointed * 2.2 - 2.2, 1.6, -pointed * 4.0, 0.45, 1);
    }
    vdr::SetViewport(0, 0, 0, 0);
    vdr::PrintText(banded ? "Space: shader off" : "Space: shader on", 8, 8);
    if (pointed >= 0) vdr::PrintText(("Pointing at ring " + std::to_string(pointed + 1)).c_str(), 8, 456);
    vdr::ShowScreen();
  }
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
