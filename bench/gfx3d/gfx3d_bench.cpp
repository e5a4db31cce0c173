// Frame times of 3D objects drawn through the runtime against a bare OpenGL
// drawing of the same vertex and index buffers in the same state, GPU work
// included (each frame ends with glFinish). Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench/gfx3d/gfx3d_bench
// A frame is: clear, Begin3D, camera, one directional light, the object
// turned a little, drawn once. Then shadow volumes and ray tests against an
// object of 10,000 triangles.

#include <SDL2/SDL_opengl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/frame_cycle.h"
#include "app/program.h"
#include "files/platform_paths.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/gl_extensions.h"
#include "gfx3d/collision_tests.h"
#include "gfx3d/frame_shape.h"
#include "gfx3d/mesh_files.h"
#include "gfx3d/mesh_layout.h"
#include "gfx3d/object_commands.h"
#include "gfx3d/scene_commands.h"
#include "gfx3d/scene_frame_steps.h"
#include "gfx3d/shadow_volume.h"

namespace {

using namespace vdr;
using Clock = std::chrono::steady_clock;

constexpr int kObject = 1;
constexpr double kPi = 3.14159265358979;

// A torus of around x across quads (two triangles each).
MeshObject Torus(int around, int across) {
  MeshObject mesh;
  mesh.palette = {kBoundaryColour, 0x30A0E0};
  MeshFrame frame;
  auto vertex = [&](int i, int j) {
    const double a = 2 * kPi * i / around, b = 2 * kPi * j / across;
    MeshVertex v;
    const double n[3] = {std::cos(a) * std::cos(b), std::sin(b), std::sin(a) * std::cos(b)};
    const double p[3] = {std::cos(a) + 0.3 * n[0], 0.3 * n[1], std::sin(a) + 0.3 * n[2]};
    for (int k = 0; k < 3; ++k) {
      v.position[k] = static_cast<float>(p[k]);
      v.normal[k] = static_cast<float>(n[k]);
    }
    SetVertexColour(v, 0x30A0E0);
    v.colourIndex = 1;
    return v;
  };
  for (int i = 0; i < around; ++i) {
    for (int j = 0; j < across; ++j) {
      MeshVertex boundary;
      SetVertexColour(boundary, kBoundaryColour);
      frame.push_back(boundary);
      for (auto [di, dj] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}}) frame.push_back(vertex(i + di, j + dj));
    }
  }
  mesh.frames.push_back(frame);
  return mesh;
}

// The same arrays in buffer objects of the benchmark's own.
class BareDrawing {
 public:
  explicit BareDrawing(const MeshObject& mesh) {
    layout_ = LayOutMesh(mesh);
    const GlEntryPoints& gl = Gl();
    gl.glGenBuffersARB(2, buffers_);
    gl.glBindBufferARB(GL_ARRAY_BUFFER_ARB, buffers_[0]);
    gl.glBufferDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(layout_.vertices.size() * sizeof(DrawVertex)),
                       layout_.vertices.data(), GL_STATIC_DRAW_ARB);
    gl.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, buffers_[1]);
    gl.glBufferDataARB(GL_ELEMENT_ARRAY_BUFFER_ARB,
                       static_cast<GLsizeiptrARB>(layout_.indices.size() * sizeof(uint32_t)), layout_.indices.data(),
                       GL_STATIC_DRAW_ARB);
    gl.glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    gl.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
  }
  ~BareDrawing() { Gl().glDeleteBuffersARB(2, buffers_); }

  void Draw(float degrees) {
    const GlEntryPoints& gl = Gl();
    glEnable(GL_COLOR_MATERIAL);
    glPushMatrix();
    glRotatef(degrees, 0, 1, 0);
    gl.glBindBufferARB(GL_ARRAY_BUFFER_ARB, buffers_[0]);
    gl.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, buffers_[1]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(DrawVertex), reinterpret_cast<const void*>(offsetof(DrawVertex, position)));
    glNormalPointer(GL_FLOAT, sizeof(DrawVertex), reinterpret_cast<const void*>(offsetof(DrawVertex, normal)));
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(DrawVertex), reinterpret_cast<const void*>(offsetof(DrawVertex, rgba)));
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(layout_.indices.size()), GL_UNSIGNED_INT, nullptr);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    gl.glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    gl.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
    glPopMatrix();
    glDisable(GL_COLOR_MATERIAL);
  }

 private:
  MeshLayout layout_;
  GLuint buffers_[2] = {0, 0};
};

void StartFrame() {
  ClearScreen(0);
  Begin3D(1, 100, 45);
  SetCamera(0, 1.5, 3.5, 0, 0, 0);
  SetLight(0, 0xFFFFFF, 0, 0, 0, -1, -1, -1, 180);
}

// Best of five rounds of `frames` frames, in milliseconds per frame.
double BestFrameMs(int frames, const std::function<void(int)>& draw) {
  double best = 1e30;
  for (int round = 0; round < 5; ++round) {
    glFinish();
    const auto start = Clock::now();
    for (int frame = 0; frame < frames; ++frame) {
      StartFrame();
      draw(frame);
      glFinish();
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count() / frames;
    if (ms < best) best = ms;
    ShowScreen();
  }
  return best;
}

void Compare(int around, int across, int frames) {
  const MeshObject mesh = Torus(around, across);
  const std::string file = TempFolder() + "gfx3d_bench.ddd";
  if (!SaveMeshFile(mesh, file)) {
    std::printf("could not write %s\n", file.c_str());
    return;
  }
  LoadObject(file.c_str(), kObject);
  BareDrawing bare(mesh);
  // Alternated, so that both see the same machine load.
  double runtime = 1e30, direct = 1e30;
  for (int pass = 0; pass < 3; ++pass) {
    runtime = std::min(runtime, BestFrameMs(frames, [](int frame) {
      RotateObject(frame * 0.5, 0, 1, 0);
      DrawObject(kObject, 0);
    }));
    direct = std::min(direct, BestFrameMs(frames, [&bare](int frame) { bare.Draw(static_cast<float>(frame * 0.5)); }));
  }
  std::printf("%7d triangles: DrawObject %.3f ms per frame, bare OpenGL %.3f ms (%.2fx)\n", around * across * 2,
              runtime, direct, runtime / direct);
  FreeObject(kObject);
}

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Shadow volumes and ray tests against a torus of 10,000 triangles: the
// volume built for a light circling it, the frame drawn with its shadow
// through the runtime against the frame without, and 100,000 rays from all
// around aimed near it (about half hit).
void ShadowsAndRays() {
  const MeshObject mesh = Torus(100, 50);
  const FrameShape shape = ShapeOfFrame(mesh.frames[0]);
  ShadowScratch scratch;
  std::vector<float> volume;
  constexpr int kVolumes = 500;
  size_t triangles = 0;
  auto start = Clock::now();
  for (int frame = 0; frame < kVolumes; ++frame) {
    const double a = frame * 0.05;
    volume.clear();
    AppendShadowVolume(shape, kIdentity, {static_cast<float>(4 * std::cos(a)), 3, static_cast<float>(4 * std::sin(a))},
                       100, scratch, volume);
    triangles += volume.size() / 9;
  }
  std::printf("%7zu triangles: shadow volume built in %.3f ms (%zu volume triangles)\n", shape.TriangleCount(),
              MsSince(start) / kVolumes, triangles / kVolumes);

  const std::string file = TempFolder() + "gfx3d_bench.ddd";
  if (SaveMeshFile(mesh, file)) {
    LoadObject(file.c_str(), kObject);
    double plain = 1e30, shadowed = 1e30;
    for (int pass = 0; pass < 3; ++pass) {
      plain = std::min(plain, BestFrameMs(50, [](int frame) {
        RotateObject(frame * 0.5, 0, 1, 0);
        DrawObject(kObject, 0);
      }));
      shadowed = std::min(shadowed, BestFrameMs(50, [](int frame) {
        SetLight(-2, 0xFFFFFF, 2, 4, 1, 0, 0, 0, 1);
        RotateObject(frame * 0.5, 0, 1, 0);
        DrawObject(kObject, 0);
        EndShadowMode();
      }));
    }
    std::printf("%7zu triangles: frame with its shadow %.3f ms, without %.3f ms\n", shape.TriangleCount(), shadowed,
                plain);
    FreeObject(kObject);
  }

  constexpr int kRays = 100000;
  std::vector<Vec3> origins, directions;
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<float>(seed >> 8) / 16777216.0f * 2 - 1;
  };
  for (int i = 0; i < kRays; ++i) {
    const Vec3 from = Normalised({next(), next(), next()}) * 5;
    const Vec3 towards{next() * 1.5f, next() * 0.3f, next() * 1.5f};
    origins.push_back(from);
    directions.push_back(towards - from);
  }
  const Matrix4 place = {1.5f, 0, 0, 0, 0, 1.5f, 0, 0, 0, 0, 1.5f, 0, 0.2f, -0.1f, 0.3f, 1};
  int hits = 0;
  start = Clock::now();
  for (int i = 0; i < kRays; ++i) hits += RayDistance(shape, place, origins[i], directions[i]) >= 0 ? 1 : 0;
  const double rayMs = MsSince(start);
  std::printf("%7d ray tests: %.1f ms (%.2f us each, %d hits)\n", kRays, rayMs, rayMs * 1000 / kRays, hits);
  // Rays that pass beside it cost the bounding box alone.
  start = Clock::now();
  int misses = 0;
  for (int i = 0; i < kRays; ++i) {
    misses += RayDistance(shape, place, origins[i] + Vec3{0, 20, 0}, {1, 0, 0}) < 0 ? 1 : 0;
  }
  std::printf("%7d rays beside it: %.2f ms (%d missed)\n", kRays, MsSince(start), misses);
}

void Configure(ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.framesPerSecond = 0;
  settings.captureMouse = 0;
  settings.windowTitle = "gfx3d bench";
}

void Main() {
  Compare(25, 20, 200);    // 1,000 triangles
  Compare(250, 200, 20);   // 100,000 triangles
  ShadowsAndRays();
}

const ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
