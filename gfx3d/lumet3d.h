#pragma once
// Lumet3D: the 3D scene bound to the render context. It holds the projection
// and camera of the frame, face culling, fog, the eight lights and the shadow
// light, the stencil shadow mode, the 255 shader programs and the numbered
// object slots with the object transform used to draw them. Owned by the
// engine state from start-up to shutdown; the commands reach it through
// Registered<Lumet3D>().

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx2d/font_layout.h"
#include "gfx3d/camera_math.h"
#include "gfx3d/frame_shape.h"
#include "gfx3d/light_rules.h"
#include "gfx3d/mesh_buffers.h"
#include "gfx3d/mesh_object.h"
#include "gfx3d/shader_table.h"
#include "gfx3d/shadow_volume.h"

namespace vdr {

class OpenGLLumet;

// What the scene asks of the engine above it.
struct SceneHooks {
  // Where shader problems are reported (one text per call); null: nowhere.
  void (*shaderMessage)(const char* text) = nullptr;
  // True while the program runs traced: lights then show markers.
  bool (*tracing)() = nullptr;
};

inline constexpr int32_t kObjectSlots = 1024;

// The object transform: applied to every object drawn, reset by each camera
// placement. Objects are scaled, then turned by each rotation in order of
// the list's end first (the last one given acts first), then moved.
struct ObjectTransform {
  Vec3 scale{1, 1, 1};
  Vec3 translation{0, 0, 0};
  struct Rotation {
    float degrees;
    Vec3 axis;
  };
  std::vector<Rotation> rotations;
  Matrix4 matrix = kIdentity;  // translation x rotations x scale
};

class Lumet3D {
 public:
  static constexpr const char* kProcessObjectName = "the 3D scene";

  Lumet3D(OpenGLLumet& context, SceneHooks hooks);
  ~Lumet3D();
  Lumet3D(const Lumet3D&) = delete;
  Lumet3D& operator=(const Lumet3D&) = delete;

  // Projection, camera, culling, fog and the shadow mode
  // (gfx3d/scene_view.cpp).
  void Begin3D(float nearPlane, float farPlane, float fov);
  void SetCameraUp(Vec3 up) { cameraUp = up; }
  void SetCamera(Vec3 eye, Vec3 target);
  void SetCullMode(int32_t mode);
  void ClearDepth();
  void SetFog(const FogSetup& fog);
  // Nothing happens when the mode already has that value; switching off
  // first draws the shadow volumes kept for it, then darkens every pixel
  // whose stencil value is not 0 to half its brightness.
  void SetShadowMode(bool on);

  // Lights (gfx3d/scene_lights.cpp). Numbers from 0 up address light
  // number & 7; negative numbers set the shadow light.
  void SetLight(int32_t number, int32_t colour, const float position[3], const float direction[3], float cutoff);
  void SetCameraLight(int32_t number, int32_t colour);

  // Shader programs (gfx3d/shader_programs.cpp).
  bool LoadShader(uint32_t slot, const char* vertexFile, const char* fragmentFile);
  void UseShader(int32_t slot);
  void SetShaderFloat(const char* name, float value);
  void SetShaderInteger(const char* name, int32_t value);

  // Objects (gfx3d/scene_objects.cpp). Slots outside 0..kObjectSlots-1 are
  // ignored.
  bool LoadObject(int32_t slot, const char* resolvedName);
  bool SaveObject(int32_t slot, const std::string& name) const;
  void FreeObject(int32_t slot);
  int32_t FrameCount(int32_t slot) const;
  void TranslateObjects(Vec3 by);
  void RotateObjects(float degrees, Vec3 axis);
  void ScaleObjects(Vec3 by);
  void ResetObjectTransform();
  // The textures of two sprite slots (their mipmapped textures where they
  // have one) for the objects drawn after it in this frame; -1: none.
  void TextureObjects(int32_t sprite1, int32_t sprite2);
  // True when the frame, placed by the object transform, reaches into the
  // view volume of the last camera placement.
  bool ObjectInView(int32_t slot, int32_t frame) const;
  // Draws frame a, or the blend (1 - t) x a + t x b of two frames with the
  // same vertex count; nothing for an empty slot, a frame outside the
  // object, or an object outside the view volume. While the shadow light is
  // on the object also casts its shadow volume (gfx3d/scene_shadows.cpp):
  //   style 1: into the stencil at once, resolved right after: the shadow
  //            darkens what was drawn before the object;
  //   style 2: kept until the shadow mode ends (ShowScreen, SetViewport,
  //            ClearDepth, Begin3D), so it darkens everything of the frame
  //            drawn before or after the object, the object's own far side
  //            included;
  //   style 3 switches the shadow mode on at once (SetLight), and while the
  //            mode is on an object adds its volume alone, without being
  //            drawn; the shadows resolve when the mode ends.
  // A blend casts the shadow of the keyframe it is nearer to. Volumes reach
  // the far plane's distance beyond their casters; the eye must lie outside
  // them.
  void DrawObject(int32_t slot, int32_t frameA, int32_t frameB, float blend);

  // Text in a bitmap font on a plane (gfx3d/scene_text.cpp): its middle at
  // `at` placed by the object transform, `height` units high; the plane
  // faces the camera, or lies in the object transform's x-y plane, read
  // from its +z side. Drawn with cull mode -1, so the text is seen from its
  // front only; the cull mode set before is restored. Nothing is drawn in
  // the shadow mode.
  void DrawText3D(int32_t font, std::string_view text, Vec3 at, float height, bool facingCamera);

  // Collision tests against a frame placed by the object transform
  // (gfx3d/scene_collision.cpp): the distance along the ray to its nearest
  // polygon, -1 for a miss; whether the sphere touches a polygon. An empty
  // slot or a frame outside the object is missed.
  float RayDistance(int32_t slot, int32_t frame, Vec3 origin, Vec3 direction) const;
  bool SphereTouches(int32_t slot, int32_t frame, Vec3 centre, float radius) const;
  // RayDistance along the ray of the last camera placement through window
  // pixel (x, y) of the current viewport, from the eye (from the eye's plane
  // in an orthographic view).
  float ScreenRayDistance(int32_t slot, int32_t frame, float x, float y) const;

  // Projection and camera state.
  float nearPlane = 1, farPlane = 1000;
  float visibilityTangent = 0;
  Vec3 cameraUp{0, 1, 0};
  Vec3 cameraEye{0, 0, 0};
  Vec3 cameraTarget{0, 0, -1};
  Matrix4 cameraMatrix = kIdentity;
  Matrix4 projectionMatrix = kIdentity;
  ViewPlanes planes{};
  ObjectTransform transform;
  int32_t cullMode = 0;
  bool shadowMode = false;

  // Lights.
  uint8_t lightMask = 0;
  ShadowLight shadowLight;

  // Shader programs.
  ShaderTable shaders;
  int32_t currentShader = -1;

  // 1 while textures bound by TextureObjects apply; every frame starts at 0.
  int32_t textureBinding = 0;

  SceneHooks hooks;

 private:
  void PlaceCamera(Vec3 eye, Vec3 target);
  void ReportShader(const char* text) const;
  void DeleteShaderSlot(int32_t slot);
  // Compiles one stage from its file into `handle`; a missing file leaves
  // the stage out. False, with the messages reported, when it fails.
  bool CompileStage(uint32_t& handle, uint32_t stage, const char* file, const char* failure);
  bool Tracing() const { return hooks.tracing != nullptr && hooks.tracing(); }
  // SetLight, with the markers of a traced run or without them.
  void ApplyLight(int32_t number, int32_t colour, const float position[3], const float direction[3], float cutoff,
                  bool markers);
  void DrawLightMarkers(const float position[3], const float* direction);
  bool ContextReady() const;
  // True when the sphere, placed by the object transform, reaches into the
  // view volume.
  bool SphereInView(Vec3 centre, float radius) const;
  void UpdateTransformMatrix();
  // DrawObject without the shadow.
  void DrawObjectSurface(int32_t slot, int32_t frameA, int32_t frameB, float blend);
  void CastShadow(const FrameShape& caster);
  void DrawPendingShadows();
  // World-space triangles through the camera into the stencil.
  void DrawVolumes(const std::vector<float>& triangles);

  struct SceneObject {
    MeshObject mesh;
    MeshBuffers buffers;
    std::vector<FrameShape> shapes;  // per frame, for collisions and shadows
  };

  // The slot's object when it holds one and has that frame, else null.
  const SceneObject* ObjectFrame(int32_t slot, int32_t frame) const;

  OpenGLLumet* context_;
  std::vector<std::unique_ptr<SceneObject>> objects_;
  std::vector<DrawVertex> blendScratch_;  // reused by every blend drawn
  std::vector<TextVertex> textVertices_;  // reused by all 3D text
  // Shadow volumes as x, y, z triangles in the world: those kept for the
  // end of the shadow mode, and the one drawn at once.
  std::vector<float> pendingShadows_;
  std::vector<float> volumeScratch_;
  ShadowScratch shadowScratch_;
  uint32_t boundTextures_[2] = {0, 0};
  // Texture coordinate scale of each bound texture (the sprite's part of a
  // texture without mipmaps).
  float textureExtent_[2][2] = {{1, 1}, {1, 1}};
};

}  // namespace vdr
