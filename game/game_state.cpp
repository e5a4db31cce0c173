#include "game/game_state.h"

namespace granzel {

GameState& Game() {
  static GameState game;
  return game;
}

}  // namespace granzel
