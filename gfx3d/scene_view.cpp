// The 3D scene's projection, camera, face culling, fog and shadow mode.

#include <SDL2/SDL_opengl.h>

#include "gfx2d/render_context.h"
#include "gfx3d/lumet3d.h"

namespace vdr {

Lumet3D::Lumet3D(OpenGLLumet& context, SceneHooks sceneHooks)
    : hooks(sceneHooks), context_(&context), objects_(kObjectSlots) {}

Lumet3D::~Lumet3D() {
  // OpenGL names go with the context; they are deleted only while it exists.
  if (!ContextReady()) return;
  for (std::unique_ptr<SceneObject>& object : objects_) {
    if (object != nullptr) object->buffers.Release();
  }
  for (int32_t slot = 0; slot < kShaderSlots; ++slot) DeleteShaderSlot(slot);
}

bool Lumet3D::ContextReady() const { return ActiveRenderContext() == context_ && context_->ContextReady(); }

void Lumet3D::Begin3D(float nearValue, float farValue, float fov) {
  SetShadowMode(false);
  glClear(GL_DEPTH_BUFFER_BIT);
  nearPlane = nearValue;
  farPlane = farValue;
  visibilityTangent = VisibilityTangent(fov);
  cameraUp = {0, 1, 0};

  // The GL viewport stays the one of the current 2D viewport.
  const Rect& view = context_->Viewport();
  const float aspect = static_cast<float>(view.w) / static_cast<float>(view.h);
  const ProjectionBox box = ProjectionFor(nearPlane, farPlane, fov, aspect);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  if (box.orthographic) {
    glOrtho(box.left, box.right, box.bottom, box.top, box.nearPlane, box.farPlane);
  } else {
    glFrustum(box.left, box.right, box.bottom, box.top, box.nearPlane, box.farPlane);
  }
  glGetFloatv(GL_PROJECTION_MATRIX, projectionMatrix.data());
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.05f);
  glColor4f(1, 1, 1, context_->AlphaLevel());
  for (GLenum capability : {GL_FOG, GL_LINE_SMOOTH, GL_POINT_SMOOTH, GL_POLYGON_SMOOTH, GL_POLYGON_OFFSET_POINT,
                            GL_AUTO_NORMAL, GL_STENCIL_TEST, GL_NORMALIZE, GL_LIGHTING}) {
    glDisable(capability);
  }
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_DITHER);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);

  for (int light = 0; light < kLightCount; ++light) glDisable(GL_LIGHT0 + static_cast<GLenum>(light));
  lightMask = 0;
  shadowLight.on = false;
  SetCullMode(0);
  context_->Device().UnbindTextures();
  textureBinding = 0;
  PlaceCamera({0, 0, 0}, {0, 0, -1});
  if (currentShader >= 0) {
    SetShaderInteger("TextureID1", 0);
    SetShaderInteger("TextureID2", 1);
  }
}

void Lumet3D::PlaceCamera(Vec3 eye, Vec3 target) {
  cameraEye = eye;
  cameraTarget = target;
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const Matrix4 view = LookAt(eye, target, cameraUp);
  glMultMatrixf(view.data());
  glGetFloatv(GL_MODELVIEW_MATRIX, cameraMatrix.data());
  ResetObjectTransform();
  planes = PlanesOf(projectionMatrix, cameraMatrix);
}

void Lumet3D::SetCamera(Vec3 eye, Vec3 target) { PlaceCamera(eye, target); }

void Lumet3D::SetCullMode(int32_t mode) {
  cullMode = mode;
  if (mode == 0) {
    glDisable(GL_CULL_FACE);
    return;
  }
  glFrontFace(mode > 0 ? GL_CW : GL_CCW);
  glEnable(GL_CULL_FACE);
}

void Lumet3D::ClearDepth() {
  SetShadowMode(false);
  glClear(GL_DEPTH_BUFFER_BIT);
}

void Lumet3D::SetFog(const FogSetup& fog) {
  if (!fog.on) {
    glDisable(GL_FOG);
    return;
  }
  glEnable(GL_FOG);
  if (fog.exponential) {
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogf(GL_FOG_DENSITY, fog.density);
  } else {
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogf(GL_FOG_START, fog.start);
    glFogf(GL_FOG_END, fog.end);
  }
  glFogfv(GL_FOG_COLOR, fog.colour);
}

void Lumet3D::SetShadowMode(bool on) {
  if (!on) DrawPendingShadows();
  if (on == shadowMode) return;
  shadowMode = on;
  if (on) {
    glShadeModel(GL_FLAT);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glDepthMask(GL_FALSE);
    glStencilFunc(GL_ALWAYS, 0, ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, GL_INVERT);
    return;
  }
  glCullFace(GL_BACK);
  glDepthMask(GL_TRUE);
  glDepthFunc(GL_LEQUAL);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  // Every pixel with a stencil value not 0 lies in shadow: half as bright.
  context_->SetViewport(0, 0, 0, 0);
  context_->AlphaMode(-0.5f);
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_NOTEQUAL, 0, ~0u);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
  context_->DrawRect(0, 0, 3000, 2000, 0);
  context_->AlphaMode(0.0f);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glShadeModel(GL_SMOOTH);
  glDepthFunc(GL_LESS);
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_STENCIL_TEST);
  glClear(GL_STENCIL_BUFFER_BIT);
  SetCullMode(cullMode);
}

}  // namespace vdr
