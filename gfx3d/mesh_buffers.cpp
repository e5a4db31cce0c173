#include "gfx3d/mesh_buffers.h"

#include <SDL2/SDL_opengl.h>

#include <cstddef>
#include <cstdint>
#include <new>

#include "gfx2d/gl_extensions.h"

namespace vdr {
namespace {

bool HasBufferObjects() {
  const GlEntryPoints& gl = Gl();
  return gl.glGenBuffersARB != nullptr && gl.glBindBufferARB != nullptr && gl.glBufferDataARB != nullptr &&
         gl.glDeleteBuffersARB != nullptr;
}

constexpr GLsizei kStride = sizeof(DrawVertex);

// A pointer argument: an address in memory, or an offset into the bound
// buffer object (counted from 0 without forming a pointer from null).
const void* At(uintptr_t base, size_t offset) { return reinterpret_cast<const void*>(base + offset); }

}  // namespace

bool SelectTextureUnit(int unit, bool clientArrays) {
  const GlEntryPoints& gl = Gl();
  const auto select = clientArrays ? gl.glClientActiveTextureARB : gl.glActiveTextureARB;
  if (select == nullptr) return unit == 0;
  select(GL_TEXTURE0_ARB + static_cast<GLenum>(unit));
  return true;
}

bool MeshBuffers::Upload(const MeshObject& mesh) {
  Release();
  MeshLayout layout;
  try {
    layout = LayOutMesh(mesh);
  } catch (const std::bad_alloc&) {
    return false;
  }
  frames_ = std::move(layout.frames);
  if (!HasBufferObjects()) {
    vertices_ = std::move(layout.vertices);
    indices_ = std::move(layout.indices);
    return true;
  }
  const GlEntryPoints& gl = Gl();
  GLuint names[3] = {0, 0, 0};
  gl.glGenBuffersARB(3, names);
  vertexBuffer_ = names[0];
  indexBuffer_ = names[1];
  streamBuffer_ = names[2];
  while (glGetError() != GL_NO_ERROR) {
  }
  gl.glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer_);
  gl.glBufferDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(layout.vertices.size() * sizeof(DrawVertex)),
                     layout.vertices.data(), GL_STATIC_DRAW_ARB);
  gl.glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
  gl.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, indexBuffer_);
  gl.glBufferDataARB(GL_ELEMENT_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(layout.indices.size() * sizeof(uint32_t)),
                     layout.indices.data(), GL_STATIC_DRAW_ARB);
  gl.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
  if (glGetError() == GL_OUT_OF_MEMORY) {
    Release();
    return false;
  }
  return true;
}

void MeshBuffers::Release() {
  if (vertexBuffer_ != 0) {
    const GLuint names[3] = {vertexBuffer_, indexBuffer_, streamBuffer_};
    Gl().glDeleteBuffersARB(3, names);
  }
  vertexBuffer_ = indexBuffer_ = streamBuffer_ = 0;
  frames_.clear();
  vertices_.clear();
  indices_.clear();
}

void MeshBuffers::SetPointers(uintptr_t base, DrawTexturing texturing) {
  glVertexPointer(3, GL_FLOAT, kStride, At(base, offsetof(DrawVertex, position)));
  glNormalPointer(GL_FLOAT, kStride, At(base, offsetof(DrawVertex, normal)));
  glColorPointer(4, GL_UNSIGNED_BYTE, kStride, At(base, offsetof(DrawVertex, rgba)));
  for (int unit = 0; unit < 2; ++unit) {
    const bool on = unit == 0 ? texturing.unit0 : texturing.unit1;
    if (!SelectTextureUnit(unit, true)) break;
    if (on) {
      glEnableClientState(GL_TEXTURE_COORD_ARRAY);
      glTexCoordPointer(2, GL_FLOAT, kStride, At(base, offsetof(DrawVertex, uv)));
    } else {
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
  }
  SelectTextureUnit(0, true);
}

void MeshBuffers::Draw(int32_t frame, const std::vector<DrawVertex>* blended, DrawTexturing texturing) {
  const FrameRange& range = Frame(frame);
  if (range.indexCount == 0) return;
  const GlEntryPoints& gl = Gl();
  const bool buffers = vertexBuffer_ != 0;
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  uintptr_t base;
  if (blended != nullptr) {
    if (buffers) {
      gl.glBindBufferARB(GL_ARRAY_BUFFER_ARB, streamBuffer_);
      gl.glBufferDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(blended->size() * sizeof(DrawVertex)),
                         blended->data(), GL_STREAM_DRAW_ARB);
      base = 0;
    } else {
      base = reinterpret_cast<uintptr_t>(blended->data());
    }
  } else if (buffers) {
    gl.glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer_);
    base = static_cast<uintptr_t>(range.firstVertex) * sizeof(DrawVertex);
  } else {
    base = reinterpret_cast<uintptr_t>(vertices_.data() + range.firstVertex);
  }
  SetPointers(base, texturing);
  if (buffers) {
    gl.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, indexBuffer_);
    glDrawElements(GL_TRIANGLES, range.indexCount, GL_UNSIGNED_INT,
                   At(0, static_cast<size_t>(range.firstIndex) * sizeof(uint32_t)));
    gl.glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
    gl.glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
  } else {
    glDrawElements(GL_TRIANGLES, range.indexCount, GL_UNSIGNED_INT, indices_.data() + range.firstIndex);
  }
  glPopClientAttrib();
}

}  // namespace vdr
