// Shadow volumes of the drawn objects into the stencil: at once, kept until
// the shadow mode ends, or alone while the mode is on, by the shadow style.

#include <SDL2/SDL_opengl.h>

#include "gfx2d/gl_extensions.h"
#include "gfx3d/lumet3d.h"

namespace vdr {

void Lumet3D::DrawObject(int32_t slot, int32_t frameA, int32_t frameB, float blend) {
  const SceneObject* object = ObjectFrame(slot, frameA);
  if (object == nullptr) return;
  // A blend casts the shadow of the keyframe it is nearer to.
  const bool towardsB = blend >= 0.5f && frameB >= 0 && static_cast<size_t>(frameB) < object->shapes.size();
  const FrameShape& caster = object->shapes[static_cast<size_t>(towardsB ? frameB : frameA)];
  if (shadowMode) {
    // Colour and depth writes are off: the object adds its volume alone.
    if (shadowLight.on) CastShadow(caster);
    return;
  }
  DrawObjectSurface(slot, frameA, frameB, blend);
  if (shadowLight.on) CastShadow(caster);
}

void Lumet3D::CastShadow(const FrameShape& caster) {
  const Vec3 light{shadowLight.position[0], shadowLight.position[1], shadowLight.position[2]};
  // Volumes reach the far plane's distance beyond their casters.
  if (shadowMode || shadowLight.style == 1) {
    volumeScratch_.clear();
    AppendShadowVolume(caster, transform.matrix, light, farPlane, shadowScratch_, volumeScratch_);
    const bool resolve = !shadowMode;
    SetShadowMode(true);
    DrawVolumes(volumeScratch_);
    if (resolve) SetShadowMode(false);
    return;
  }
  AppendShadowVolume(caster, transform.matrix, light, farPlane, shadowScratch_, pendingShadows_);
}

void Lumet3D::DrawPendingShadows() {
  if (pendingShadows_.empty()) return;
  SetShadowMode(true);
  DrawVolumes(pendingShadows_);
  pendingShadows_.clear();
}

void Lumet3D::DrawVolumes(const std::vector<float>& triangles) {
  if (triangles.empty()) return;
  // Volumes are in the world: drawn through the camera alone, every face
  // (either way round) inverting the stencil, pushed back a little so the
  // near cap loses against the surface it lies on.
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadMatrixf(projectionMatrix.data());
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadMatrixf(cameraMatrix.data());
  glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_CURRENT_BIT);
  for (GLenum capability : {GL_CULL_FACE, GL_ALPHA_TEST, GL_LIGHTING, GL_TEXTURE_2D, GL_FOG, GL_BLEND}) {
    glDisable(capability);
  }
  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(1, 1);
  const GlEntryPoints& gl = Gl();
  if (currentShader >= 0 && gl.glUseProgramObjectARB != nullptr) gl.glUseProgramObjectARB(0);
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  for (GLenum array : {GL_NORMAL_ARRAY, GL_COLOR_ARRAY, GL_TEXTURE_COORD_ARRAY}) glDisableClientState(array);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, triangles.data());
  glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(triangles.size() / 3));
  glPopClientAttrib();
  if (currentShader >= 0) UseShader(currentShader);
  glPopAttrib();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}

}  // namespace vdr
