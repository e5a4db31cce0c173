#pragma once
// Settings file and line file commands as programs call them
// (files/settings_store.h, files/line_file_store.h); line numbers are taken
// as 32-bit integers (ToInt).

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

void IniOpen(const RuntimeString& name);
RuntimeString IniGet(const RuntimeString& section, const RuntimeString& key, const RuntimeString& fallback);
void IniPut(const RuntimeString& section, const RuntimeString& key, const RuntimeString& value);

RuntimeString GetFileLine(const RuntimeString& name, double line);
// The line read as a number (text to double) or an integer (text to integer).
double GetFileLineNumber(const RuntimeString& name, double line);
int32_t GetFileLineInteger(const RuntimeString& name, double line);
void PutFileLine(const RuntimeString& name, double line, const RuntimeString& text);
// The number's text, as the runtime prints numbers.
void PutFileLineNumber(const RuntimeString& name, double line, double number);

// Shutdown: the line file and the settings file are written back when changed.
void WriteBackStores();

}  // namespace vdr
