#!/usr/bin/env bash
# check_layers.sh COMPILER LAYERS
# Compiles one-line sources against each folder's view of the source tree:
# a header of the folder itself or below must be found, a header of a folder
# above or beside it must not.
set -uo pipefail
compiler=$1 layers=$2
failed=0

expect() {  # expect found|refused LAYER HEADER
  local outcome=$1 layer=$2 header=$3
  if echo "#include \"$header\"" | "$compiler" -std=c++20 -fsyntax-only -x c++ -I"$layers/$layer" - 2>/dev/null; then
    result=found
  else
    result=refused
  fi
  if [[ $result != "$outcome" ]]; then
    echo "$layer: $header was $result, expected $outcome"
    failed=1
  fi
}

expect found runtime runtime/runtime_string.h
expect refused runtime files/file_channels.h
expect found files runtime/runtime_string.h
expect refused files gfx2d/viewport.h
expect found gfx2d files/file_source.h
expect refused gfx2d app/engine_state.h
expect refused gfx2d input/mouse_tracker.h
expect refused audio gfx2d/viewport.h
expect refused audio app/frame_cycle.h
expect refused input audio/music_commands.h
expect refused input gfx2d/viewport.h
expect refused net gfx2d/viewport.h
expect refused pathfind files/file_source.h
expect found gfx3d gfx2d/viewport.h
expect found gfx3d files/file_source.h
expect refused gfx3d app/engine_state.h
expect refused gfx3d input/mouse_tracker.h
expect refused gfx2d gfx3d/lumet3d.h
expect found app gfx2d/viewport.h
expect found app gfx3d/lumet3d.h
expect found modal gfx3d/scene_commands.h
expect refused app modal/input_waits.h
expect found modal app/frame_steps.h
exit $failed
