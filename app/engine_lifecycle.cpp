// Start-up and shutdown of the runtime, in their fixed orders.

#include <SDL2/SDL.h>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/end.h"
#include "app/engine_state.h"
#include "app/event_pump.h"
#include "app/frame_steps.h"
#include "audio/music_player.h"
#include "audio/sound_system.h"
#include "files/file_channels.h"
#include "files/file_resolver.h"
#include "files/library_cache.h"
#include "files/platform_info.h"
#include "files/platform_paths.h"
#include "files/runtime_log.h"
#include "files/store_commands.h"
#include "files/system_commands.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/font_commands.h"
#include "gfx2d/frame_fit.h"
#include "gfx2d/gl_extensions.h"
#include "gfx2d/render_context.h"
#include "gfx2d/view_commands.h"
#include "gfx2d/view_hooks.h"
#include "gfx3d/scene_frame_steps.h"
#include "input/input_context.h"
#include "net/net_game_shutdown.h"
#include "net/socket_commands.h"
#include "runtime/clock.h"
#include "runtime/random.h"

namespace vdr {
namespace {

// The folder that holds the executable becomes the current directory.
void EnterExecutableFolder() {
  const std::string path = ExecutablePath();
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return;
  const std::string folder = slash == 0 ? std::string("/") : path.substr(0, slash);
  if (chdir(folder.c_str()) != 0) return;
}

#if defined(__SANITIZE_ADDRESS__)
// Every shared library loaded now stays mapped until the process ends. The
// display connection unloads the GL driver when it closes; the leak check at
// exit could then no longer name the driver as the owner of what it keeps.
void KeepLibrariesLoaded() {
  std::vector<std::string> names;
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* list) {
        if (info->dlpi_name != nullptr && info->dlpi_name[0] == '/') {
          static_cast<std::vector<std::string>*>(list)->push_back(info->dlpi_name);
        }
        return 0;
      },
      &names);
  for (const std::string& name : names) dlopen(name.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}
#else
void KeepLibrariesLoaded() {}
#endif

// The last step of shutdown: SDL closes the display connection and ends its
// threads, and the GL driver ends the threads it rendered with, so the process
// leaves with no thread but its own.
void QuitPlatform() {
  KeepLibrariesLoaded();
  SDL_Quit();
}

// The video drivers SDL falls back to when there is no display: their
// windows are never seen, so a program would run on with nobody to play it.
bool ShowsNothing(const char* driver) {
  return driver == nullptr || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0 ||
         std::strcmp(driver, "evdev") == 0;
}

// False, with SDL's error text saying why, when there is no display to use.
bool InitVideo() {
  // The X11 window class of every runtime window.
  setenv("SDL_VIDEO_X11_WMCLASS", "Vendril", 1);
  SDL_SetHint(SDL_HINT_APP_NAME, "Vendril");
  // The runtime paces frames itself and handles focus loss by pausing.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return false;
  // A driver chosen through SDL_VIDEODRIVER is the user's choice.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (std::getenv("SDL_VIDEODRIVER") == nullptr && ShowsNothing(driver)) {
    SDL_SetError(
        "there is no display to show it on (only SDL's \"%s\" video driver started, which shows nothing); "
        "set DISPLAY or WAYLAND_DISPLAY, or choose a driver with SDL_VIDEODRIVER",
        driver != nullptr ? driver : "");
    return false;
  }
  // Neither the screen saver nor monitor power saving while the program runs.
  SDL_DisableScreenSaver();
  return true;
}

// The 3D scene's shader messages go to the debugger output when tracing.
void ShaderMessage(const char* text) {
  if (Settings().traceRun == 0) return;
  DebugPrint((std::string(text) + "\n").c_str());
}

bool Tracing() { return Settings().traceRun != 0; }

}  // namespace

EngineState::EngineState() = default;
EngineState::~EngineState() = default;

SDL_Window* EngineState::Window() const { return renderContext != nullptr ? renderContext->Window() : nullptr; }

EngineState& Engine() {
  static EngineState engine;
  return engine;
}

void AutoPause(double flag) { Engine().autoPause = flag != 0 ? 1 : 0; }

RuntimeString CommandLine() { return Engine().commandLine; }

void EngineInit(int32_t showMode, const RuntimeString& title) {
  EngineState& engine = Engine();
  ProjectSettings& settings = Settings();
  SetEndHandler(&End);
  SetDebuggerOutputHandler(&DebuggerOutput);

  DeleteRuntimeLog();                  // 3
  engine.autoPause = 1;                // 4
  if (!InitVideo()) return;            // 5: the steady clock needs no set-up
  WriteLogLine("Init GFX");            // 6

  engine.renderContext = std::make_unique<OpenGLLumet>();  // 7
  SetActiveRenderContext(engine.renderContext.get());
  engine.schedule = {FramePeriodFor(settings.framesPerSecond), Clock()};
  if (!engine.renderContext->CreateContext(settings.screenWidth, settings.screenHeight, 0, settings.windowOption)) {
    return;
  }
  SetGlEntryQuery(&GlEntryPointExists);
  SDL_SetWindowTitle(engine.Window(), title.c_str());  // 8
  engine.windowTitle = title;

  SeedRandom(ElapsedMs());  // 9: truncated to an integer
  engine.netGame = std::make_unique<ProcessObject<NetGame>>();  // 10, with its lock
  engine.scene3d =  // 11
      std::make_unique<ProcessObject<Lumet3D>>(*engine.renderContext, SceneHooks{&ShaderMessage, &Tracing});
  SetViewportCommandHook(&EndShadowMode);
  engine.input = std::make_unique<InputContext>();  // 12
  SetActiveInput(engine.input.get());
  engine.sound = std::make_unique<SoundSystem>();  // 13, with the music player
  SetActiveSoundSystem(engine.sound.get());
  engine.music = std::make_unique<ProcessObject<MusicPlayer>>();
  engine.sound->CreateSlots();  // 14

  engine.renderContext->SetWindowScale(settings.windowScale > 0 ? settings.windowScale
                                                                : ParseScale(std::getenv("VENDRIL_SCALE")));
  if (settings.fullScreen != 0) {  // 15
    engine.renderContext->GoFullScreen();
  } else {
    engine.renderContext->GoWindowed();
  }
  engine.input->SetEventSource(TakeInputEvents);  // 16
  engine.input->SetScreenSizeSource([](int32_t& width, int32_t& height) { GetScreenSize(width, height); });
  engine.input->SetPointerMappingSource([] {
    const OpenGLLumet* context = ActiveRenderContext();
    if (context == nullptr) return PointerMapping{};
    const FrameFit& fit = context->Presentation();
    return PointerMapping{fit.scale, fit.shown.x, fit.shown.y};
  });
  engine.input->SetUpDevices(engine.Window(), settings.captureMouse != 0);
  engine.sound->OpenDevice();  // 17: the mixer needs no window to bind to, and
                               // the input context has had the window since 16

  engine.renderContext->Fonts().SelectFont(0);  // 18
  CreateResolverContexts(ExecutablePath());  // 19, 20
  EnterExecutableFolder();                   // 21
  const double now = Clock();             // 22
  engine.currentFrameTime = engine.previousFrameTime = engine.startTime = now;

  ClearScreen(0);                         // 23: also drops any background
  PresentAndPace(nullptr);
  engine.renderContext->SetViewport(0, 0, 0, 0);
  LoadDefaultFont();                      // 24
  engine.renderContext->Fonts().SelectFont(0);  // 25
  engine.paused = 0;
  SDL_SetCursor(SDL_GetDefaultCursor());  // 26
  const double later = Clock();           // 27
  engine.currentFrameTime = engine.previousFrameTime = engine.startTime = later;
  if (showMode == 0) engine.renderContext->HideWindow();  // 28
  engine.input->ShowPointer(settings.captureMouse == 0);  // 29: the mouse mode
  WriteLogLine("Init Finalized");  // 30
  ResetErrorStatus();              // 31
}

void EngineShutdown() {
  EngineState& engine = Engine();
  if (engine.quitStarted == 0) {  // 1
    engine.quitStarted = 1;
    CallByName("VDR_ON_QUIT");
  }
  if (engine.renderContext == nullptr) return;  // 2
  WriteLogLine("Shut down VDR");                // 3
  StopMusic();  // 4: the media player's music, and its movie
  engine.shownMedia.reset();
  EnterExecutableFolder();  // 5
  CloseAllFileChannels();  // 6
  WriteBackStores();       // the line file and the settings file, when changed
  // 7: the leaves of the program's players, the network thread joined and the
  // game's state and lock freed; then every use of the socket library a
  // program left open is released.
  if (engine.netGame != nullptr) ShutDownNetGame();
  engine.netGame.reset();
  ReleaseSocketLibrary();
  if (engine.input != nullptr) engine.input->ReleaseDevices();  // 8
  SetActiveInput(nullptr);
  engine.input.reset();
  if (engine.sound != nullptr) engine.sound->ReleaseSlots();  // 9
  SetActiveSoundSystem(nullptr);  // 10
  if (engine.sound != nullptr) engine.sound->CloseDevice();
  engine.sound.reset();
  engine.music.reset();
  SetActiveRenderContext(nullptr);  // 11
  SetGlEntryQuery(nullptr);
  engine.renderContext->Close();
  engine.renderContext.reset();
  SetViewportCommandHook(nullptr);  // 12: its OpenGL names went with the context
  engine.scene3d.reset();
  ReleaseResolverContexts();  // 13
  ReleaseLibrariesAndProcesses();
  // 14: closing the render context destroyed its window.
  QuitPlatform();
  WriteLogLine("vdr is shut down");  // 15
}

void RunProgram(const Program& program, int argc, char** argv) {
  EngineState& engine = Engine();
  std::string commandLine;  // 1
  for (int i = 0; i < argc; ++i) {
    if (i > 0) commandLine += ' ';
    const std::string argument = argv[i];
    const bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
    commandLine += quote ? '"' + argument + '"' : argument;
  }
  engine.commandLine = commandLine.c_str();
  engine.procedures = program.procedures;

  ProjectSettings& settings = Settings();  // 2
  settings.windowTitle = "Vendril";
  if (program.configure != nullptr) program.configure(settings);
  EngineInit(kShowDefault, settings.windowTitle);
  if (engine.renderContext == nullptr || engine.Window() == nullptr) {
    std::fprintf(stderr, "Vendril: the window or its OpenGL context could not be created: %s\n", SDL_GetError());
    std::exit(1);
  }
  if (program.main != nullptr) program.main();  // 32
  End();                                        // 33
}

ProjectSettings& Settings() { return Engine().settings; }

}  // namespace vdr
