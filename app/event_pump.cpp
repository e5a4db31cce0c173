#include "app/event_pump.h"

#include <SDL2/SDL.h>

#include "app/window_events.h"
#include "input/input_context.h"

namespace vdr {

void PumpMessages(MessageCallback callback) {
  SDL_Event event;
  if (callback != nullptr) {
    SDL_PumpEvents();
    while (SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
      callback();
      if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) <= 0) break;
      DispatchWindowEvent(event);
    }
    return;
  }
  while (SDL_PollEvent(&event) != 0) DispatchWindowEvent(event);
}

void TakeInputEvents(InputContext& input) {
  SDL_PumpEvents();
  SDL_Event events[32];
  int count;
  // Key, text and layout events in the order they came: a key's text follows it.
  while ((count = SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_KEYDOWN, SDL_KEYMAPCHANGED)) > 0) {
    for (int i = 0; i < count; ++i) {
      if (events[i].type == SDL_KEYDOWN || events[i].type == SDL_KEYUP) input.ApplyKeyEvent(events[i].key);
      if (events[i].type == SDL_TEXTINPUT) input.ApplyTextEvent(events[i].text);
      if (events[i].type == SDL_KEYMAPCHANGED) input.LayoutChanged();
    }
  }
  while ((count = SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_MOUSEMOTION, SDL_MOUSEWHEEL)) > 0) {
    for (int i = 0; i < count; ++i) input.ApplyMouseEvent(events[i]);
  }
}

}  // namespace vdr
