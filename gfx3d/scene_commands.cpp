#include "gfx3d/scene_commands.h"

#include "gfx2d/render_context.h"
#include "gfx3d/lumet3d.h"
#include "gfx3d/scene_frame_steps.h"
#include "runtime/number_text.h"
#include "runtime/process_object.h"

namespace vdr {
namespace {

Lumet3D* Scene() { return IsRegistered<Lumet3D>() ? &Registered<Lumet3D>() : nullptr; }

float F(double value) { return static_cast<float>(value); }

}  // namespace

void Begin3D(double nearPlane, double farPlane, double fov) {
  if (Lumet3D* scene = Scene()) scene->Begin3D(F(nearPlane), F(farPlane), F(fov));
}

void SetCameraUp(double x, double y, double z) {
  if (Lumet3D* scene = Scene()) scene->SetCameraUp({F(x), F(y), F(z)});
}

void SetCamera(double eyeX, double eyeY, double eyeZ, double targetX, double targetY, double targetZ) {
  if (Lumet3D* scene = Scene()) scene->SetCamera({F(eyeX), F(eyeY), F(eyeZ)}, {F(targetX), F(targetY), F(targetZ)});
}

void SetCullMode(double mode) {
  if (Lumet3D* scene = Scene()) scene->SetCullMode(CullModeFor(mode));
}

void ClearDepth() {
  if (Lumet3D* scene = Scene()) scene->ClearDepth();
}

void SetFog(double colour, double mode, double start, double end) {
  if (Lumet3D* scene = Scene()) scene->SetFog(DescribeFog(colour, mode, start, end, scene->nearPlane, scene->farPlane));
}

void SetLight(double number, double colour, double x, double y, double z, double dx, double dy, double dz,
              double cutoff) {
  const float position[3] = {F(x), F(y), F(z)};
  const float direction[3] = {F(dx), F(dy), F(dz)};
  if (Lumet3D* scene = Scene()) scene->SetLight(ToInt(number), ToInt(colour), position, direction, F(cutoff));
}

void SetCameraLight(double number, double colour) {
  if (Lumet3D* scene = Scene()) scene->SetCameraLight(ToInt(number), ToInt(colour));
}

void PrintText3D(const RuntimeString& text, double x, double y, double z, double height, double facing) {
  const OpenGLLumet* context = ActiveRenderContext();
  Lumet3D* scene = Scene();
  if (scene == nullptr || context == nullptr) return;
  scene->DrawText3D(context->Fonts().CurrentFont(), text.view(), {F(x), F(y), F(z)}, F(height), facing != 0);
}

int32_t LoadShader(double slot, const RuntimeString& vertexFile, const RuntimeString& fragmentFile) {
  Lumet3D* scene = Scene();
  if (scene == nullptr) return 0;
  return scene->LoadShader(static_cast<uint32_t>(ToInt(slot)), vertexFile.c_str(), fragmentFile.c_str()) ? 1 : 0;
}

void UseShader(double slot) {
  if (Lumet3D* scene = Scene()) scene->UseShader(ToInt(slot));
}

void SetShaderFloat(const RuntimeString& name, double value) {
  if (Lumet3D* scene = Scene()) scene->SetShaderFloat(name.c_str(), F(value));
}

void EndShadowMode() {
  if (Lumet3D* scene = Scene()) scene->SetShadowMode(false);
}

void ResetSceneFrame() {
  Lumet3D* scene = Scene();
  if (scene == nullptr) return;
  scene->textureBinding = 0;
  scene->UseShader(-1);
}

}  // namespace vdr
