#include "gfx3d/mesh_files.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "files/file_replace.h"
#include "files/file_source.h"
#include "files/memory_files.h"
#include "files/runtime_log.h"
#include "gfx3d/mesh_format.h"

namespace vdr {

bool LoadMeshFile(MeshObject& object, const char* resolvedName) {
  object = MeshObject{};
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(resolvedName, bytes)) return false;
  switch (ReadMesh(bytes, object)) {
    case MeshReadResult::kLoaded:
      return true;
    case MeshReadResult::kWrongVersion:
      WriteLogLine("Wrong .ddd version.");
      break;
    case MeshReadResult::kReadError:
      WriteLogLine("# read error");
      break;
    case MeshReadResult::kMallocError:
      WriteLogLine("# malloc error");
      break;
    case MeshReadResult::kNotAnObject:
      break;
  }
  return false;
}

bool SaveMeshFile(const MeshObject& object, const std::string& name) {
  if (object.frames.empty() || IsMemoryFileName(name.c_str())) return false;
  const std::vector<uint8_t> bytes = WriteMesh(object);
  return ReplaceFile(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace vdr
