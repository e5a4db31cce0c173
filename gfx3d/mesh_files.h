#pragma once
// Object files on disk and in memory files: loading either variant with the
// runtime log's lines for what went wrong, and saving the binary variant.

#include <string>

#include "gfx3d/mesh_object.h"

namespace vdr {

// Loads the file by its resolved name (a disk file or a "mem://" name). A
// failure writes "Wrong .ddd version.", "# read error" or "# malloc error" to
// the runtime log (nothing for a file that is no object file at all) and
// leaves the object empty.
bool LoadMeshFile(MeshObject& object, const char* resolvedName);

// Writes the binary variant 2.0 ("\" read as "/"). Fails without writing for
// an object without frames or a "mem://" name; the file is replaced whole or
// left as it was.
bool SaveMeshFile(const MeshObject& object, const std::string& name);

}  // namespace vdr
