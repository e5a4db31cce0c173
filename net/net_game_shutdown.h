#pragma once
// The network game's shutdown step, run by the engine at program end, not by
// programs (defined with the commands, net/net_game_commands.cpp).

namespace vdr {

// The leave of every own player, then the end of the game.
void ShutDownNetGame();

}  // namespace vdr
