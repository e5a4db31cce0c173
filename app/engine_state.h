#pragma once
// EngineState: the one process-wide record that owns every process-wide
// object of the runtime, with the frame times and the flags of the frame
// cycle. It is made when the process starts (the first call of Engine()) and
// ends with it. The objects of the layers below, which hold no device, live
// as long as it does, in start-up order; the devices (window and render
// context, the network game, input, sound, music, a movie on screen) are
// made by start-up and released by shutdown, each at its own step.

#include <cstdint>
#include <memory>

#include "app/engine_commands.h"
#include "app/frame_pacing.h"
#include "app/program.h"
#include "app/project_settings.h"
#include "audio/music_player.h"
#include "files/file_channels.h"
#include "files/file_resolver.h"
#include "files/library_cache.h"
#include "files/line_file_store.h"
#include "files/memory_files.h"
#include "files/settings_store.h"
#include "gfx3d/lumet3d.h"
#include "net/net_game.h"
#include "net/sockets.h"
#include "pathfind/path_search.h"
#include "runtime/process_object.h"
#include "runtime/random.h"
#include "runtime/runtime_string.h"

struct SDL_Window;

namespace vdr {

class OpenGLLumet;
class InputContext;
class SoundSystem;

// Something a command shows while it runs (a movie with its player), owned
// by the engine so that shutdown ends it even when the program ends in the
// middle of it.
class ShownMedia {
 public:
  virtual ~ShownMedia() = default;
};

// Show mode of a normal start; 0 starts hidden.
constexpr int32_t kShowDefault = 10;

struct EngineState {
  EngineState();
  ~EngineState();
  EngineState(const EngineState&) = delete;
  EngineState& operator=(const EngineState&) = delete;

  ProjectSettings settings;
  // The layers' objects; the memory-file registry outlives every owner of a
  // memory file.
  ProcessObject<MemoryFileRegistry> memoryFiles;
  ProcessObject<RandomGenerator> random;
  ProcessObject<Sockets> sockets;
  ProcessObject<PathSearch> pathSearch;
  ProcessObject<FileChannels> channels;
  ProcessObject<ResolverContexts> resolvers;
  ProcessObject<SettingsStore> settingsFile;
  ProcessObject<LineFileStore> lineFile;
  ProcessObject<LibraryCache> libraries;

  // The devices, from their start-up step to their shutdown step.
  std::unique_ptr<OpenGLLumet> renderContext;  // owns the window
  std::unique_ptr<ProcessObject<Lumet3D>> scene3d;  // bound to the render context
  RuntimeString windowTitle;
  std::unique_ptr<ProcessObject<NetGame>> netGame;
  std::unique_ptr<InputContext> input;
  std::unique_ptr<SoundSystem> sound;  // the sound device and its slots
  std::unique_ptr<ProcessObject<MusicPlayer>> music;
  std::unique_ptr<ShownMedia> shownMedia;

  // The render context's window, or null.
  SDL_Window* Window() const;

  // Frame times (milliseconds of the runtime clock) and the frame schedule.
  double currentFrameTime = 0;
  double previousFrameTime = 0;
  double startTime = 0;
  FrameSchedule schedule;

  int32_t paused = 0;
  uint8_t autoPause = 1;
  uint8_t escapeEnds = 1;
  int32_t activateRequest = 0;
  uint8_t quitStarted = 0;
  bool consoleOpen = false;

  // The "VDR_WIN32_MSG" callback: -1 not looked up yet, 1 found, 0 absent.
  int32_t win32MsgLookup = -1;
  void (*win32MsgProc)() = nullptr;

  const ProcedureEntry* procedures = nullptr;
  RuntimeString commandLine;
};

EngineState& Engine();

// Start-up steps 3 to 30: window, render context, input, sound, file
// resolvers and default font, in their fixed order.
void EngineInit(int32_t showMode, const RuntimeString& title);
// The shutdown sequence; safe to call again and after a partial start-up.
void EngineShutdown();

}  // namespace vdr
