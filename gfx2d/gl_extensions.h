#pragma once
// OpenGL extension entry points, resolved once the context exists. An entry
// that does not resolve stays null, and its users fall back (single-texture
// drawing, offscreen screens by copying).

#include <SDL2/SDL_opengl.h>

namespace vdr {

struct GlEntryPoints {
  // Multitexture and buffer objects (when "GL_ARB_multitexture" is listed).
  PFNGLACTIVETEXTUREARBPROC glActiveTextureARB = nullptr;
  PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2fARB = nullptr;
  PFNGLCLIENTACTIVETEXTUREARBPROC glClientActiveTextureARB = nullptr;
  PFNGLGENBUFFERSARBPROC glGenBuffersARB = nullptr;
  PFNGLBINDBUFFERARBPROC glBindBufferARB = nullptr;
  PFNGLBUFFERDATAARBPROC glBufferDataARB = nullptr;
  PFNGLDELETEBUFFERSARBPROC glDeleteBuffersARB = nullptr;
  PFNGLMAPBUFFERARBPROC glMapBufferARB = nullptr;
  PFNGLUNMAPBUFFERARBPROC glUnmapBufferARB = nullptr;
  PFNGLGETBUFFERPARAMETERIVARBPROC glGetBufferParameterivARB = nullptr;
  // Shader objects (when "GL_ARB_fragment_program" is listed).
  PFNGLCREATEPROGRAMOBJECTARBPROC glCreateProgramObjectARB = nullptr;
  PFNGLDELETEOBJECTARBPROC glDeleteObjectARB = nullptr;
  PFNGLCREATESHADEROBJECTARBPROC glCreateShaderObjectARB = nullptr;
  PFNGLSHADERSOURCEARBPROC glShaderSourceARB = nullptr;
  PFNGLCOMPILESHADERARBPROC glCompileShaderARB = nullptr;
  PFNGLGETOBJECTPARAMETERIVARBPROC glGetObjectParameterivARB = nullptr;
  PFNGLATTACHOBJECTARBPROC glAttachObjectARB = nullptr;
  PFNGLGETINFOLOGARBPROC glGetInfoLogARB = nullptr;
  PFNGLLINKPROGRAMARBPROC glLinkProgramARB = nullptr;
  PFNGLUSEPROGRAMOBJECTARBPROC glUseProgramObjectARB = nullptr;
  PFNGLGETUNIFORMLOCATIONARBPROC glGetUniformLocationARB = nullptr;
  PFNGLUNIFORM1FARBPROC glUniform1fARB = nullptr;
  PFNGLUNIFORM1IARBPROC glUniform1iARB = nullptr;
  PFNGLGETATTRIBLOCATIONARBPROC glGetAttribLocationARB = nullptr;
  PFNGLVERTEXATTRIB1FARBPROC glVertexAttrib1fARB = nullptr;
  // Framebuffer objects (always tried).
  PFNGLBINDRENDERBUFFEREXTPROC glBindRenderbufferEXT = nullptr;
  PFNGLDELETERENDERBUFFERSEXTPROC glDeleteRenderbuffersEXT = nullptr;
  PFNGLGENRENDERBUFFERSEXTPROC glGenRenderbuffersEXT = nullptr;
  PFNGLRENDERBUFFERSTORAGEEXTPROC glRenderbufferStorageEXT = nullptr;
  PFNGLBINDFRAMEBUFFEREXTPROC glBindFramebufferEXT = nullptr;
  PFNGLDELETEFRAMEBUFFERSEXTPROC glDeleteFramebuffersEXT = nullptr;
  PFNGLGENFRAMEBUFFERSEXTPROC glGenFramebuffersEXT = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC glCheckFramebufferStatusEXT = nullptr;
  PFNGLFRAMEBUFFERTEXTURE2DEXTPROC glFramebufferTexture2DEXT = nullptr;
  PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC glFramebufferRenderbufferEXT = nullptr;
  PFNGLGETFRAMEBUFFERATTACHMENTPARAMETERIVEXTPROC glGetFramebufferAttachmentParameterivEXT = nullptr;
};

// The process-wide table.
GlEntryPoints& Gl();

// Resolves the entries for the current context. The environment variable
// VENDRIL_NO_FRAMEBUFFER (any value) leaves the framebuffer entries null, so
// the copying fallback of offscreen screens can be chosen.
void LoadEntryPoints();

// True when the driver gives an entry point of that name for the current
// context: EntryPointSupplied with what the context reports.
bool GlEntryPointExists(const char* name);
// GLX hands out an address for any name at all (a stub that does nothing when
// no driver has the function); what a context supports is told by its
// extension list. So a name counts as supplied when it `resolves`, is a GL
// name ("gl..."), and, when it ends in an extension vendor's tag (glFooARB,
// glBarNV), an extension of that vendor stands in `extensions`.
bool EntryPointSupplied(const char* name, bool resolves, const char* extensions);

// True when `name` is one whole blank-separated word of `list`.
bool ExtensionListed(const char* list, const char* name);

}  // namespace vdr
