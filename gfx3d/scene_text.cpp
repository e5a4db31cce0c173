// Bitmap-font text drawn on a plane of the 3D scene.

#include <SDL2/SDL_opengl.h>

#include "gfx2d/render_context.h"
#include "gfx3d/lumet3d.h"
#include "gfx3d/text_placement.h"

namespace vdr {

void Lumet3D::DrawText3D(int32_t font, std::string_view text, Vec3 at, float height, bool facingCamera) {
  const int32_t slot = FontSpriteSlot(ClampFontNumber(font));
  const SpriteRecord& sprite = context_->Sprite(slot);
  if (text.empty() || sprite.Empty() || shadowMode || !(height > 0)) return;
  const FontGrid grid = FontGridFor(sprite.width, sprite.height);
  if (grid.cellHeight <= 0) return;
  textVertices_.resize(4 * text.size());
  LayOutText(text, 0, 0, 0, sprite, textVertices_.data());
  const Vec3 centre = TransformPoint(transform.matrix, at);
  const TextPlane plane =
      facingCamera ? PlaneFacingCamera(cameraMatrix, centre)
                   : TextPlane{centre, TransformDirection(transform.matrix, {1, 0, 0}),
                               TransformDirection(transform.matrix, {0, 1, 0})};
  const float cellHeight = static_cast<float>(grid.cellHeight);
  PlaceTextOnPlane(textVertices_.data(), textVertices_.size(), static_cast<float>(grid.cellWidth) * text.size(),
                   cellHeight, plane, height / cellHeight);

  // Text is seen from its front only: cull mode -1 while it is drawn, then
  // the mode the program set.
  const int32_t savedCullMode = cullMode;
  SetCullMode(-1);
  glPushAttrib(GL_ENABLE_BIT);
  glDisable(GL_LIGHTING);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadMatrixf(cameraMatrix.data());
  context_->Sprites().BindSprite(slot);
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(TextVertex), &textVertices_.data()->x);
  glTexCoordPointer(2, GL_FLOAT, sizeof(TextVertex), &textVertices_.data()->u);
  glDrawArrays(GL_TRIANGLE_STRIP, 0, static_cast<GLsizei>(textVertices_.size()));
  glPopClientAttrib();
  context_->Device().UnbindTextures();
  glPopMatrix();
  glPopAttrib();
  SetCullMode(savedCullMode);
}

}  // namespace vdr
