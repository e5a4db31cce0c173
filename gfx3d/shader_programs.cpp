// The 3D scene's shader programs: 255 slots of a program with its vertex
// and fragment shader, loaded from text files.

#include <SDL2/SDL_opengl.h>

#include <string>
#include <vector>

#include "files/file_source.h"
#include "gfx2d/gl_extensions.h"
#include "gfx3d/lumet3d.h"

namespace vdr {
namespace {

// The missing-support message goes out once per process.
bool g_supportReported = true;

// The whole shader file with a terminating NUL: a memory file or an existing
// disk file, never one from a media pack. False when it cannot be opened or
// read in full.
bool ReadShaderSource(const char* name, std::vector<char>& source) {
  FileSource file;
  if (!file.Open(name)) return false;
  const int64_t size = file.Size();
  if (size < 0 || size >= kWholeFileLimit) return false;
  source.assign(static_cast<size_t>(size) + 1, '\0');
  return file.ReadExact(source.data(), static_cast<size_t>(size));
}

std::string InfoLog(GLhandleARB object) {
  const GlEntryPoints& gl = Gl();
  GLint length = 0;
  gl.glGetObjectParameterivARB(object, GL_OBJECT_INFO_LOG_LENGTH_ARB, &length);
  if (length <= 0) return std::string();
  std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
  GLsizei written = 0;
  gl.glGetInfoLogARB(object, length, &written, log.data());
  return std::string(log.data());
}

}  // namespace

void Lumet3D::ReportShader(const char* text) const {
  if (hooks.shaderMessage != nullptr) hooks.shaderMessage(text);
}

void Lumet3D::DeleteShaderSlot(int32_t slot) {
  const GlEntryPoints& gl = Gl();
  if (gl.glDeleteObjectARB == nullptr) return;
  ShaderSlot& s = shaders[static_cast<size_t>(slot)];
  for (uint32_t* handle : {&s.program, &s.vertexShader, &s.fragmentShader}) {
    if (*handle != 0) gl.glDeleteObjectARB(*handle);
    *handle = 0;
  }
}

bool Lumet3D::CompileStage(uint32_t& handle, uint32_t stage, const char* file, const char* failure) {
  std::vector<char> source;
  if (file == nullptr || file[0] == '\0' || !ReadShaderSource(file, source)) return true;
  const GlEntryPoints& gl = Gl();
  handle = gl.glCreateShaderObjectARB(stage);
  const GLcharARB* text = source.data();
  gl.glShaderSourceARB(handle, 1, &text, nullptr);
  gl.glCompileShaderARB(handle);
  GLint compiled = 0;
  gl.glGetObjectParameterivARB(handle, GL_OBJECT_COMPILE_STATUS_ARB, &compiled);
  if (compiled != 0) return true;
  ReportShader(InfoLog(handle).c_str());
  ReportShader(failure);
  return false;
}

bool Lumet3D::LoadShader(uint32_t slot, const char* vertexFile, const char* fragmentFile) {
  if (slot >= static_cast<uint32_t>(kShaderSlots)) return false;
  const GlEntryPoints& gl = Gl();
  if (gl.glCreateShaderObjectARB == nullptr || gl.glShaderSourceARB == nullptr || gl.glCompileShaderARB == nullptr ||
      gl.glCreateProgramObjectARB == nullptr || gl.glAttachObjectARB == nullptr || gl.glLinkProgramARB == nullptr ||
      gl.glGetObjectParameterivARB == nullptr || gl.glGetInfoLogARB == nullptr) {
    if (g_supportReported) {
      g_supportReported = false;
      ReportShader("No OpenGL 2.0 Shader Support");
    }
    return false;
  }
  const auto index = static_cast<int32_t>(slot);
  DeleteShaderSlot(index);
  ShaderSlot& s = shaders[slot];
  bool ok = CompileStage(s.vertexShader, GL_VERTEX_SHADER_ARB, vertexFile, "vertex shader failed");
  if (ok) ok = CompileStage(s.fragmentShader, GL_FRAGMENT_SHADER_ARB, fragmentFile, "fragment shader failed");
  if (ok && (s.vertexShader != 0 || s.fragmentShader != 0)) {
    s.program = gl.glCreateProgramObjectARB();
    if (s.vertexShader != 0) gl.glAttachObjectARB(s.program, s.vertexShader);
    if (s.fragmentShader != 0) gl.glAttachObjectARB(s.program, s.fragmentShader);
    gl.glLinkProgramARB(s.program);
    GLint linked = 0;
    gl.glGetObjectParameterivARB(s.program, GL_OBJECT_LINK_STATUS_ARB, &linked);
    if (linked == 0) {
      ReportShader(InfoLog(s.program).c_str());
      ReportShader("link shader failed");
      ok = false;
    }
  }
  return ok;
}

void Lumet3D::UseShader(int32_t slot) {
  const GlEntryPoints& gl = Gl();
  if (gl.glUseProgramObjectARB == nullptr) return;
  if (slot >= 0 && slot < kShaderSlots) {
    currentShader = slot;
    gl.glUseProgramObjectARB(shaders[static_cast<size_t>(slot)].program);
  } else {
    gl.glUseProgramObjectARB(0);
    currentShader = -1;
  }
}

namespace {

GLint UniformLocation(const ShaderTable& shaders, int32_t current, const char* name) {
  const uint32_t program = shaders[static_cast<size_t>(current)].program;
  return program != 0 ? Gl().glGetUniformLocationARB(program, name) : -1;
}

}  // namespace

void Lumet3D::SetShaderFloat(const char* name, float value) {
  const GlEntryPoints& gl = Gl();
  if (gl.glGetUniformLocationARB == nullptr || currentShader < 0) return;
  const GLint location = UniformLocation(shaders, currentShader, name);
  if (location != -1) {
    if (gl.glUniform1fARB != nullptr) gl.glUniform1fARB(location, value);
    return;
  }
  ReportShader("undefined uniform:");
  ReportShader(name);
}

void Lumet3D::SetShaderInteger(const char* name, int32_t value) {
  const GlEntryPoints& gl = Gl();
  if (gl.glGetUniformLocationARB == nullptr || currentShader < 0) return;
  const GLint location = UniformLocation(shaders, currentShader, name);
  if (location != -1 && gl.glUniform1iARB != nullptr) gl.glUniform1iARB(location, value);
}

}  // namespace vdr
