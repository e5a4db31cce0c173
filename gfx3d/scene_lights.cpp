// The eight OpenGL lights and the shadow light of the 3D scene.

#include <SDL2/SDL_opengl.h>

#include <cmath>

#include "gfx2d/render_context.h"
#include "gfx3d/lumet3d.h"

namespace vdr {
namespace {

constexpr float kMarkerPointSize = 40;
constexpr int32_t kMarkerPointColour = 0x80C8FF;
constexpr float kMarkerLineWidth = 3;
constexpr int32_t kMarkerLineColour = 0x6CAAE1;
constexpr float kMarkerLineLength = 500;

void MarkerColour(int32_t colour) {
  glColor4ub(static_cast<GLubyte>(colour), static_cast<GLubyte>(colour >> 8), static_cast<GLubyte>(colour >> 16), 255);
}

}  // namespace

void Lumet3D::SetLight(int32_t number, int32_t colour, const float position[3], const float direction[3],
                       float cutoff) {
  ApplyLight(number, colour, position, direction, cutoff, Tracing());
}

void Lumet3D::ApplyLight(int32_t number, int32_t colour, const float position[3], const float direction[3],
                         float cutoff, bool markers) {
  if (number < 0) {
    shadowLight = DescribeShadowLight(number, colour, position, cutoff);
    if (number == -3) SetShadowMode(shadowLight.on);
    return;
  }
  const LightSetup setup = DescribeLight(number, colour, position, direction, cutoff);
  const GLenum light = GL_LIGHT0 + static_cast<GLenum>(setup.light);
  const auto bit = static_cast<uint8_t>(1u << setup.light);
  switch (setup.kind) {
    case LightKind::kRefused:
      return;
    case LightKind::kOff:
      glDisable(light);
      lightMask = static_cast<uint8_t>(lightMask & ~bit);
      if (lightMask == 0) glDisable(GL_LIGHTING);
      return;
    default:
      break;
  }
  glEnable(GL_LIGHTING);
  glEnable(light);
  lightMask = static_cast<uint8_t>(lightMask | bit);
  glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLightf(light, GL_SPOT_CUTOFF, setup.spotCutoff);
  glLightfv(light, GL_POSITION, setup.position);
  glLightfv(light, GL_DIFFUSE, setup.diffuse);
  glLightfv(light, GL_SPECULAR, setup.specular);
  if (setup.kind == LightKind::kSpot) glLightfv(light, GL_SPOT_DIRECTION, setup.spotDirection);
  glPopMatrix();
  if (setup.kind != LightKind::kViewAxis && markers) {
    DrawLightMarkers(position, setup.kind == LightKind::kSpot ? setup.spotDirection : nullptr);
  }
}

void Lumet3D::DrawLightMarkers(const float position[3], const float* direction) {
  context_->Device().UnbindTextures();
  glDisable(GL_LIGHTING);
  glEnable(GL_POINT_SMOOTH);
  glPointSize(kMarkerPointSize);
  MarkerColour(kMarkerPointColour);
  glBegin(GL_POINTS);
  glVertex3fv(position);
  glEnd();
  glDisable(GL_POINT_SMOOTH);
  glPointSize(1);
  if (direction != nullptr) {
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(kMarkerLineWidth);
    MarkerColour(kMarkerLineColour);
    glBegin(GL_LINES);
    glVertex3fv(position);
    glVertex3f(position[0] + kMarkerLineLength * direction[0], position[1] + kMarkerLineLength * direction[1],
               position[2] + kMarkerLineLength * direction[2]);
    glEnd();
    glDisable(GL_LINE_SMOOTH);
    glLineWidth(1);
  }
  if (lightMask != 0) glEnable(GL_LIGHTING);
  glColor4f(1, 1, 1, context_->AlphaLevel());
}

void Lumet3D::SetCameraLight(int32_t number, int32_t colour) {
  const float position[3] = {cameraEye.x, cameraEye.y, cameraEye.z};
  const float direction[3] = {-cameraEye.x, -cameraEye.y, -cameraEye.z};
  ApplyLight(number, colour, position, direction, 180, false);
}

}  // namespace vdr
