#pragma once
// Everything a program built with the runtime calls: one include for the
// commands of every subsystem.

#include "app/clock.h"
#include "app/end.h"
#include "app/engine_state.h"
#include "app/frame_cycle.h"
#include "app/program.h"
#include "app/window_events.h"
#include "files/file_commands.h"
#include "files/file_resolver.h"
#include "files/file_system.h"
#include "gfx2d/render_context.h"
#include "runtime/error_status.h"
#include "runtime/math_commands.h"
#include "runtime/number_text.h"
#include "runtime/random.h"
#include "runtime/runtime_array.h"
#include "runtime/runtime_string.h"
#include "runtime/string_commands.h"
