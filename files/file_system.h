#pragma once
// Commands on files and folders as a whole. Names may use "/" or "\"; names
// handed back use "/". Memory file names count as files that can be read but
// not written, deleted or listed. None of these commands ends the program.

#include <cstdint>

#include "runtime/runtime_array.h"
#include "runtime/runtime_string.h"

namespace vdr {

// 1 for a live memory file or a regular file that can be opened for reading
// (packs are not searched).
int32_t FileExists(const RuntimeString& name);
int32_t DirExists(const RuntimeString& name);
// Size of a disk file or length of a memory file; 0 with error 3 when it
// cannot be opened.
int32_t FileSize(const RuntimeString& name);
int32_t DeleteFile(const RuntimeString& name);
// Copies every byte (the source may be a memory file); the error code tells
// the outcome: 0, or 3 with no target left behind.
void CopyFile(const RuntimeString& source, const RuntimeString& target);
int32_t CreateDir(const RuntimeString& name);
// The current folder, ending in "/".
RuntimeString CurrentDir();
// 1, or 0 with error 3.
int32_t ChangeDirectory(const RuntimeString& name);
// Turns every "\" into "/" in place; returns the length.
int32_t SlashPath(RuntimeString& path);
// Fills `target` with the folders of the current folder (all, "." and ".."
// included), then the files matching `pattern` (files/file_pattern.h), each
// group sorted ignoring case. Returns files + 65536 × folders.
int32_t FileList(const RuntimeString& pattern, RuntimeArray<RuntimeString>& target);

}  // namespace vdr
