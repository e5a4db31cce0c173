#include "gfx3d/object_commands.h"

#include <string>

#include "files/file_resolver.h"
#include "gfx3d/lumet3d.h"
#include "runtime/error_status.h"
#include "runtime/number_text.h"
#include "runtime/process_object.h"

namespace vdr {
namespace {

Lumet3D* Scene() { return IsRegistered<Lumet3D>() ? &Registered<Lumet3D>() : nullptr; }

float F(double value) { return static_cast<float>(value); }

}  // namespace

void LoadObject(const RuntimeString& file, double slot) {
  ClearErrorCode();
  Lumet3D* scene = Scene();
  std::string name;
  if (scene == nullptr || !MemoryContext().Resolve(file.c_str(), name) || !scene->LoadObject(ToInt(slot), name.c_str())) {
    RecordError(kErrorNoSuchFile);
  }
}

void SaveObject(const RuntimeString& file, double slot) {
  ClearErrorCode();
  const Lumet3D* scene = Scene();
  if (scene == nullptr || !scene->SaveObject(ToInt(slot), file.c_str())) RecordError(kErrorNoSuchFile);
}

void FreeObject(double slot) {
  if (Lumet3D* scene = Scene()) scene->FreeObject(ToInt(slot));
}

int32_t ObjectFrames(double slot) {
  const Lumet3D* scene = Scene();
  return scene != nullptr ? scene->FrameCount(ToInt(slot)) : 0;
}

void TranslateObject(double x, double y, double z) {
  if (Lumet3D* scene = Scene()) scene->TranslateObjects({F(x), F(y), F(z)});
}

void RotateObject(double degrees, double axisX, double axisY, double axisZ) {
  if (Lumet3D* scene = Scene()) scene->RotateObjects(F(degrees), {F(axisX), F(axisY), F(axisZ)});
}

void ScaleObject(double x, double y, double z) {
  if (Lumet3D* scene = Scene()) scene->ScaleObjects({F(x), F(y), F(z)});
}

void ResetObjectTransform() {
  if (Lumet3D* scene = Scene()) scene->ResetObjectTransform();
}

void TextureObject(double sprite1, double sprite2) {
  if (Lumet3D* scene = Scene()) scene->TextureObjects(ToInt(sprite1), ToInt(sprite2));
}

int32_t ObjectInView(double slot, double frame) {
  const Lumet3D* scene = Scene();
  return scene != nullptr && scene->ObjectInView(ToInt(slot), ToInt(frame)) ? 1 : 0;
}

void DrawObject(double slot, double frame) {
  if (Lumet3D* scene = Scene()) scene->DrawObject(ToInt(slot), ToInt(frame), ToInt(frame), 0);
}

void DrawObjectBlend(double slot, double frame1, double frame2, double blend) {
  if (Lumet3D* scene = Scene()) scene->DrawObject(ToInt(slot), ToInt(frame1), ToInt(frame2), F(blend));
}

double ObjectRayDistance(double slot, double frame, double x, double y, double z, double dx, double dy, double dz) {
  const Lumet3D* scene = Scene();
  if (scene == nullptr) return -1;
  return scene->RayDistance(ToInt(slot), ToInt(frame), {F(x), F(y), F(z)}, {F(dx), F(dy), F(dz)});
}

double ObjectScreenDistance(double slot, double frame, double x, double y) {
  const Lumet3D* scene = Scene();
  return scene != nullptr ? scene->ScreenRayDistance(ToInt(slot), ToInt(frame), F(x), F(y)) : -1;
}

int32_t ObjectSphereTouch(double slot, double frame, double x, double y, double z, double radius) {
  const Lumet3D* scene = Scene();
  return scene != nullptr && scene->SphereTouches(ToInt(slot), ToInt(frame), {F(x), F(y), F(z)}, F(radius)) ? 1 : 0;
}

}  // namespace vdr
