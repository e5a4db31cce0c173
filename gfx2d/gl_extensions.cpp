#include "gfx2d/gl_extensions.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace vdr {
namespace {

template <typename T>
void Resolve(T& entry, const char* name) {
  entry = reinterpret_cast<T>(SDL_GL_GetProcAddress(name));
}

#define VDR_RESOLVE(table, name) Resolve(table.name, #name)

}  // namespace

GlEntryPoints& Gl() {
  static GlEntryPoints entries;
  return entries;
}

bool GlEntryPointExists(const char* name) {
  return EntryPointSupplied(name, SDL_GL_GetProcAddress(name) != nullptr,
                            reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
}

bool EntryPointSupplied(const char* name, bool resolves, const char* extensions) {
  static constexpr std::string_view kVendors[] = {
      "ARB", "EXT",  "KHR",   "OES",  "NV",  "NVX", "AMD",  "ATI", "APPLE", "MESA", "MESAX", "INTEL", "IBM", "SGI",
      "SGIS", "SGIX", "SUN", "SUNX", "HP", "3DFX", "S3", "OML", "INGR", "PGI", "GREMEDY", "OVR", "WIN", "ANGLE", "ARM"};
  if (!resolves || name == nullptr || std::strncmp(name, "gl", 2) != 0) return false;
  const std::string_view entry(name);
  for (const std::string_view vendor : kVendors) {
    if (entry.size() > vendor.size() + 2 && entry.substr(entry.size() - vendor.size()) == vendor) {
      const std::string family = "GL_" + std::string(vendor) + "_";
      return extensions != nullptr && std::strstr(extensions, family.c_str()) != nullptr;
    }
  }
  return true;
}

bool ExtensionListed(const char* list, const char* name) {
  if (list == nullptr || name == nullptr || *name == 0) return false;
  const size_t length = std::strlen(name);
  for (const char* hit = std::strstr(list, name); hit != nullptr; hit = std::strstr(hit + 1, name)) {
    const bool starts = hit == list || hit[-1] == ' ';
    const bool ends = hit[length] == ' ' || hit[length] == 0;
    if (starts && ends) return true;
  }
  return false;
}

void LoadEntryPoints() {
  GlEntryPoints& gl = Gl();
  gl = GlEntryPoints{};
  const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  if (extensions == nullptr) extensions = "";
  // The two group tests are plain substring tests.
  if (std::strstr(extensions, "GL_ARB_multitexture") != nullptr) {
    VDR_RESOLVE(gl, glActiveTextureARB);
    VDR_RESOLVE(gl, glMultiTexCoord2fARB);
    VDR_RESOLVE(gl, glClientActiveTextureARB);
    VDR_RESOLVE(gl, glGenBuffersARB);
    VDR_RESOLVE(gl, glBindBufferARB);
    VDR_RESOLVE(gl, glBufferDataARB);
    VDR_RESOLVE(gl, glDeleteBuffersARB);
    VDR_RESOLVE(gl, glMapBufferARB);
    VDR_RESOLVE(gl, glUnmapBufferARB);
    VDR_RESOLVE(gl, glGetBufferParameterivARB);
  }
  if (std::strstr(extensions, "GL_ARB_fragment_program") != nullptr) {
    VDR_RESOLVE(gl, glCreateProgramObjectARB);
    VDR_RESOLVE(gl, glDeleteObjectARB);
    VDR_RESOLVE(gl, glCreateShaderObjectARB);
    VDR_RESOLVE(gl, glShaderSourceARB);
    VDR_RESOLVE(gl, glCompileShaderARB);
    VDR_RESOLVE(gl, glGetObjectParameterivARB);
    VDR_RESOLVE(gl, glAttachObjectARB);
    VDR_RESOLVE(gl, glGetInfoLogARB);
    VDR_RESOLVE(gl, glLinkProgramARB);
    VDR_RESOLVE(gl, glUseProgramObjectARB);
    VDR_RESOLVE(gl, glGetUniformLocationARB);
    VDR_RESOLVE(gl, glUniform1fARB);
    VDR_RESOLVE(gl, glUniform1iARB);
    VDR_RESOLVE(gl, glGetAttribLocationARB);
    VDR_RESOLVE(gl, glVertexAttrib1fARB);
  }
  if (std::getenv("VENDRIL_NO_FRAMEBUFFER") != nullptr) return;
  VDR_RESOLVE(gl, glBindRenderbufferEXT);
  VDR_RESOLVE(gl, glDeleteRenderbuffersEXT);
  VDR_RESOLVE(gl, glGenRenderbuffersEXT);
  VDR_RESOLVE(gl, glRenderbufferStorageEXT);
  VDR_RESOLVE(gl, glBindFramebufferEXT);
  VDR_RESOLVE(gl, glDeleteFramebuffersEXT);
  VDR_RESOLVE(gl, glGenFramebuffersEXT);
  VDR_RESOLVE(gl, glCheckFramebufferStatusEXT);
  VDR_RESOLVE(gl, glFramebufferTexture2DEXT);
  VDR_RESOLVE(gl, glFramebufferRenderbufferEXT);
  VDR_RESOLVE(gl, glGetFramebufferAttachmentParameterivEXT);
}

}  // namespace vdr
