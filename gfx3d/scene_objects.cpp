// The 3D scene's object slots: loading, saving and freeing objects, the
// object transform, and drawing frames and blends from their buffers.

#include <SDL2/SDL_opengl.h>

#include <cmath>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/render_context.h"
#include "gfx3d/lumet3d.h"
#include "gfx3d/mesh_files.h"

namespace vdr {
namespace {

bool IsObjectSlot(int32_t slot) { return slot >= 0 && slot < kObjectSlots; }

Matrix4 Rotation(float degrees, Vec3 axis) {
  const float length = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
  if (length == 0) return kIdentity;
  const float x = axis.x / length, y = axis.y / length, z = axis.z / length;
  const float radians = degrees * 0.017453292f;
  const float c = std::cos(radians), s = std::sin(radians), t = 1 - c;
  return {t * x * x + c,     t * x * y + s * z, t * x * z - s * y, 0,
          t * x * y - s * z, t * y * y + c,     t * y * z + s * x, 0,
          t * x * z + s * y, t * y * z - s * x, t * z * z + c,     0,
          0,                 0,                 0,                 1};
}

}  // namespace

bool Lumet3D::LoadObject(int32_t slot, const char* resolvedName) {
  if (!IsObjectSlot(slot)) return false;
  auto object = std::make_unique<SceneObject>();
  if (!LoadMeshFile(object->mesh, resolvedName) || !object->buffers.Upload(object->mesh)) {
    object->buffers.Release();
    return false;  // the slot keeps what it held
  }
  object->shapes.reserve(object->mesh.frames.size());
  for (const MeshFrame& frame : object->mesh.frames) object->shapes.push_back(ShapeOfFrame(frame));
  FreeObject(slot);
  objects_[static_cast<size_t>(slot)] = std::move(object);
  return true;
}

bool Lumet3D::SaveObject(int32_t slot, const std::string& name) const {
  if (!IsObjectSlot(slot) || objects_[static_cast<size_t>(slot)] == nullptr) return false;
  return SaveMeshFile(objects_[static_cast<size_t>(slot)]->mesh, name);
}

void Lumet3D::FreeObject(int32_t slot) {
  if (!IsObjectSlot(slot)) return;
  std::unique_ptr<SceneObject>& object = objects_[static_cast<size_t>(slot)];
  if (object != nullptr && ContextReady()) object->buffers.Release();
  object.reset();
}

const Lumet3D::SceneObject* Lumet3D::ObjectFrame(int32_t slot, int32_t frame) const {
  if (!IsObjectSlot(slot) || objects_[static_cast<size_t>(slot)] == nullptr) return nullptr;
  const SceneObject* object = objects_[static_cast<size_t>(slot)].get();
  return frame >= 0 && static_cast<size_t>(frame) < object->shapes.size() ? object : nullptr;
}

int32_t Lumet3D::FrameCount(int32_t slot) const {
  if (!IsObjectSlot(slot) || objects_[static_cast<size_t>(slot)] == nullptr) return 0;
  return objects_[static_cast<size_t>(slot)]->buffers.FrameCount();
}

void Lumet3D::UpdateTransformMatrix() {
  Matrix4 m = kIdentity;
  m[12] = transform.translation.x;
  m[13] = transform.translation.y;
  m[14] = transform.translation.z;
  for (const ObjectTransform::Rotation& r : transform.rotations) m = Multiply(m, Rotation(r.degrees, r.axis));
  Matrix4 scale = kIdentity;
  scale[0] = transform.scale.x;
  scale[5] = transform.scale.y;
  scale[10] = transform.scale.z;
  transform.matrix = Multiply(m, scale);
}

void Lumet3D::TranslateObjects(Vec3 by) {
  transform.translation = by;
  UpdateTransformMatrix();
}

void Lumet3D::RotateObjects(float degrees, Vec3 axis) {
  transform.rotations.push_back({degrees, axis});
  UpdateTransformMatrix();
}

void Lumet3D::ScaleObjects(Vec3 by) {
  transform.scale = by;
  UpdateTransformMatrix();
}

void Lumet3D::ResetObjectTransform() { transform = ObjectTransform{}; }

void Lumet3D::TextureObjects(int32_t sprite1, int32_t sprite2) {
  const int32_t sprites[2] = {sprite1, sprite2};
  const GlEntryPoints& gl = Gl();
  for (int unit = 0; unit < 2; ++unit) {
    boundTextures_[unit] = 0;
    textureExtent_[unit][0] = textureExtent_[unit][1] = 1;
    const int32_t slot = sprites[unit];
    if (!IsSpriteSlot(slot) || context_->Sprite(slot).Empty()) continue;
    const SpriteRecord& sprite = context_->Sprite(slot);
    boundTextures_[unit] = sprite.mipmapTexture != 0 ? sprite.mipmapTexture : sprite.texture;
    if (sprite.mipmapTexture == 0) {
      textureExtent_[unit][0] = sprite.uExtent;
      textureExtent_[unit][1] = sprite.vExtent;
    }
    if (unit == 1 && gl.glActiveTextureARB == nullptr) boundTextures_[unit] = 0;
  }
  textureBinding = boundTextures_[0] != 0 || boundTextures_[1] != 0 ? 1 : 0;
  if (currentShader >= 0) {
    SetShaderInteger("TextureID1", 0);
    SetShaderInteger("TextureID2", 1);
  }
}

bool Lumet3D::SphereInView(Vec3 centre, float radius) const {
  const Matrix4& m = transform.matrix;
  float scale = 0;
  for (int column = 0; column < 3; ++column) {
    const float* c = &m[static_cast<size_t>(column * 4)];
    scale = std::max(scale, std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]));
  }
  return !SphereOutside(planes, TransformPoint(m, centre), radius * scale);
}

bool Lumet3D::ObjectInView(int32_t slot, int32_t frame) const {
  if (!IsObjectSlot(slot) || objects_[static_cast<size_t>(slot)] == nullptr) return false;
  const MeshBuffers& buffers = objects_[static_cast<size_t>(slot)]->buffers;
  if (frame < 0 || frame >= buffers.FrameCount()) return false;
  const FrameRange& range = buffers.Frame(frame);
  return SphereInView(range.centre, range.radius);
}

void Lumet3D::DrawObjectSurface(int32_t slot, int32_t frameA, int32_t frameB, float blend) {
  if (!IsObjectSlot(slot) || objects_[static_cast<size_t>(slot)] == nullptr) return;
  if (frameA < 0 || frameA >= objects_[static_cast<size_t>(slot)]->buffers.FrameCount()) return;
  SceneObject& object = *objects_[static_cast<size_t>(slot)];
  const std::vector<DrawVertex>* blended = nullptr;
  if (blend != 0 && frameB != frameA && frameB >= 0 && frameB < object.buffers.FrameCount() &&
      object.buffers.Frame(frameB).vertexCount == object.buffers.Frame(frameA).vertexCount &&
      object.mesh.frames[static_cast<size_t>(frameA)].size() == object.mesh.frames[static_cast<size_t>(frameB)].size()) {
    // Every blend lies in the sphere around both frames' spheres.
    const FrameRange& a = object.buffers.Frame(frameA);
    const FrameRange& b = object.buffers.Frame(frameB);
    const Vec3 d{b.centre.x - a.centre.x, b.centre.y - a.centre.y, b.centre.z - a.centre.z};
    const float apart = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    const Vec3 middle{a.centre.x + d.x / 2, a.centre.y + d.y / 2, a.centre.z + d.z / 2};
    if (!SphereInView(middle, apart / 2 + std::max(a.radius, b.radius))) return;
    BlendFrames(object.mesh.frames[static_cast<size_t>(frameA)], object.mesh.frames[static_cast<size_t>(frameB)],
                blend, blendScratch_);
    blended = &blendScratch_;
  } else if (!ObjectInView(slot, frameA)) {
    return;
  }

  const bool textured = textureBinding != 0;
  DrawTexturing texturing;
  for (int unit = 0; unit < 2; ++unit) {
    const bool on = textured && boundTextures_[unit] != 0;
    (unit == 0 ? texturing.unit0 : texturing.unit1) = on;
    if (!SelectTextureUnit(unit, false)) break;
    if (on) {
      glEnable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, boundTextures_[unit]);
      glMatrixMode(GL_TEXTURE);
      glLoadIdentity();
      glScalef(textureExtent_[unit][0], textureExtent_[unit][1], 1);
    } else {
      glDisable(GL_TEXTURE_2D);
    }
  }
  SelectTextureUnit(0, false);
  context_->Device().ForgetBoundTextures();

  const bool scaled = transform.scale.x != 1 || transform.scale.y != 1 || transform.scale.z != 1;
  glPushAttrib(GL_ENABLE_BIT | GL_TRANSFORM_BIT);
  if (scaled) glEnable(GL_NORMALIZE);
  // The vertex colours are the diffuse colour; the ambient part is OpenGL's
  // default, whatever colours tracking took in before.
  static const float kAmbient[4] = {0.2f, 0.2f, 0.2f, 1};
  glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, kAmbient);
  glEnable(GL_COLOR_MATERIAL);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glMultMatrixf(transform.matrix.data());
  object.buffers.Draw(frameA, blended, texturing);
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
  if (texturing.unit0 || texturing.unit1) {
    for (int unit = 1; unit >= 0; --unit) {
      if (!SelectTextureUnit(unit, false)) continue;
      glMatrixMode(GL_TEXTURE);
      glLoadIdentity();
      glDisable(GL_TEXTURE_2D);
    }
    glMatrixMode(GL_MODELVIEW);
  }
}

}  // namespace vdr
