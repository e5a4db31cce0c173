#include "gfx3d/mesh_format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <new>
#include <string_view>

#include "gfx3d/normal_table.h"

namespace vdr {

static_assert(std::endian::native == std::endian::little, "object files are little-endian");

void SetVertexColour(MeshVertex& vertex, uint32_t colour) {
  vertex.colour = colour;
  if (colour >= kFirstControlColour) {
    vertex.rgba[0] = vertex.rgba[1] = vertex.rgba[2] = 1;
  } else {
    vertex.rgba[0] = static_cast<float>(colour & 0xFF) / 255.0f;
    vertex.rgba[1] = static_cast<float>((colour >> 8) & 0xFF) / 255.0f;
    vertex.rgba[2] = static_cast<float>((colour >> 16) & 0xFF) / 255.0f;
  }
  vertex.rgba[3] = 1;
}

namespace {

constexpr double kOldestVersion = 1.02;
constexpr double kNewestVersion = 2.0;
constexpr double kNewestTextVersion = 1.1;

struct ReadFailure {
  MeshReadResult result;
};

[[noreturn]] void Fail(MeshReadResult result) { throw ReadFailure{result}; }

// Counts another `count` vertices against the object's budget.
void Budget(int64_t& used, int64_t count) {
  used += count;
  if (used > kMaxMeshVertices) Fail(MeshReadResult::kMallocError);
}

// Little-endian values from the bytes, never past their end.
class ByteCursor {
 public:
  explicit ByteCursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  template <typename T>
  T Take() {
    T value;
    if (Remaining() < sizeof(T)) Fail(MeshReadResult::kReadError);
    std::memcpy(&value, bytes_.data() + at_, sizeof(T));
    at_ += sizeof(T);
    return value;
  }
  size_t Remaining() const { return bytes_.size() - at_; }
  // A count of records of `recordBytes` bytes, after `headerBytes` more, that
  // must all be in the file.
  int32_t Count(size_t recordBytes, size_t headerBytes) {
    const int32_t count = Take<int32_t>();
    if (count < 0 || static_cast<uint64_t>(count) * recordBytes + headerBytes > Remaining()) {
      Fail(MeshReadResult::kReadError);
    }
    return count;
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

void SetNormal(MeshVertex& vertex, uint8_t index) {
  if (index >= kNormalCount) Fail(MeshReadResult::kReadError);
  std::memcpy(vertex.normal, kNormalTable[index], sizeof vertex.normal);
}

void ReadBinary(ByteCursor& in, MeshObject& object) {
  const double version = in.Take<double>();
  if (!(version >= kOldestVersion && version <= kNewestVersion)) Fail(MeshReadResult::kWrongVersion);
  const int32_t frameCount = in.Take<int32_t>();
  const int32_t colourCount = in.Take<int32_t>();
  const int32_t uvCount = in.Take<int32_t>();
  if (frameCount < 0 || colourCount < 0 || uvCount < 0) Fail(MeshReadResult::kReadError);
  const bool old = version < kNewestVersion;
  const size_t frameHeader = old ? 28 : 4;  // vertexCount, origin and scale
  const size_t vertexBytes = old ? 5 : 14;
  if (uint64_t{static_cast<uint32_t>(colourCount)} * 4 + uint64_t{static_cast<uint32_t>(uvCount)} * 8 +
          uint64_t{static_cast<uint32_t>(frameCount)} * frameHeader >
      in.Remaining()) {
    Fail(MeshReadResult::kReadError);
  }
  object.palette.resize(static_cast<size_t>(colourCount));
  for (uint32_t& colour : object.palette) colour = in.Take<uint32_t>();
  std::vector<float> uv(static_cast<size_t>(uvCount) * 2);
  for (float& value : uv) value = in.Take<float>();

  int64_t budget = 0;
  object.frames.resize(static_cast<size_t>(frameCount));
  for (MeshFrame& frame : object.frames) {
    const int32_t vertexCount = in.Count(vertexBytes, old ? 24 : 0);
    if (uvCount > 0 && vertexCount > uvCount) Fail(MeshReadResult::kReadError);
    Budget(budget, vertexCount);
    float origin[3] = {0, 0, 0}, scale[3] = {1, 1, 1};
    if (old) {
      for (float& value : origin) value = in.Take<float>();
      for (float& value : scale) value = in.Take<float>();
    }
    frame.resize(static_cast<size_t>(vertexCount));
    for (size_t i = 0; i < frame.size(); ++i) {
      MeshVertex& vertex = frame[i];
      for (int axis = 0; axis < 3; ++axis) {
        vertex.position[axis] = old ? (static_cast<float>(in.Take<uint8_t>()) - origin[axis]) * scale[axis]
                                    : in.Take<float>();
      }
      SetNormal(vertex, in.Take<uint8_t>());
      vertex.colourIndex = in.Take<uint8_t>();
      if (vertex.colourIndex >= object.palette.size()) Fail(MeshReadResult::kReadError);
      SetVertexColour(vertex, object.palette[vertex.colourIndex]);
      if (uvCount > 0) {
        vertex.u = uv[i * 2];
        vertex.v = old ? -uv[i * 2 + 1] : uv[i * 2 + 1];
      }
    }
  }
}

// Blank-separated tokens with "#" comments to the end of the line.
class TokenCursor {
 public:
  explicit TokenCursor(std::span<const uint8_t> bytes)
      : text_(reinterpret_cast<const char*>(bytes.data()), bytes.size()) {}

  std::string_view Next() {
    for (;;) {
      while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
      if (at_ < text_.size() && text_[at_] == '#') {
        while (at_ < text_.size() && text_[at_] != '\n') ++at_;
        continue;
      }
      break;
    }
    const size_t start = at_;
    while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '#') ++at_;
    return text_.substr(start, at_ - start);
  }
  double Number() {
    const std::string_view token = Next();
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || error != std::errc() || end != token.data() + token.size() || !std::isfinite(value)) {
      Fail(MeshReadResult::kReadError);
    }
    return value;
  }
  float Float() { return static_cast<float>(Number()); }
  // An integer in [0, limit).
  int64_t Index(int64_t limit) {
    const double value = std::trunc(Number());
    if (!(value >= 0 && value < static_cast<double>(limit))) Fail(MeshReadResult::kReadError);
    return static_cast<int64_t>(value);
  }
  // A count of items of `tokens` tokens each, all of which the rest of the
  // text can hold (a token and the blank after it take two characters).
  int64_t Count(int64_t tokens) { return Index((static_cast<int64_t>(text_.size() - at_) + 1) / (2 * tokens) + 1); }

 private:
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  std::string_view text_;
  size_t at_ = 0;
};

struct TextFace {
  uint32_t colour;
  std::vector<std::pair<int64_t, int64_t>> corners;  // vertex index, uv index
};

// Newell's normal of a polygon's corners, for files that store none.
void SetPolygonNormal(MeshVertex* corners, size_t count) {
  float n[3] = {0, 0, 0};
  for (size_t i = 0; i < count; ++i) {
    const float* a = corners[i].position;
    const float* b = corners[(i + 1) % count].position;
    n[0] += (a[1] - b[1]) * (a[2] + b[2]);
    n[1] += (a[2] - b[2]) * (a[0] + b[0]);
    n[2] += (a[0] - b[0]) * (a[1] + b[1]);
  }
  const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  if (length <= 1e-7f) return;
  for (size_t i = 0; i < count; ++i) {
    for (int axis = 0; axis < 3; ++axis) corners[i].normal[axis] = n[axis] / length;
  }
}

void RebuildPalette(MeshObject& object) {
  for (MeshFrame& frame : object.frames) {
    for (MeshVertex& vertex : frame) {
      size_t index = 0;
      while (index < object.palette.size() && object.palette[index] != vertex.colour) ++index;
      if (index == object.palette.size()) {
        // Colour indexes are bytes: more colours than that cannot be kept.
        if (index > UINT8_MAX) Fail(MeshReadResult::kReadError);
        object.palette.push_back(vertex.colour);
      }
      vertex.colourIndex = static_cast<uint8_t>(index);
    }
  }
}

bool ReadText(TokenCursor& in, MeshObject& object) {
  if (in.Next() != "DDDA") return false;
  const double version = in.Number();
  if (!(version <= kNewestTextVersion)) return false;
  const bool normals = version >= kNewestTextVersion;

  const int64_t uvCount = in.Count(2);
  std::vector<float> uv(static_cast<size_t>(uvCount) * 2);
  for (float& value : uv) value = in.Float();

  int64_t cornersPerFrame = 0;
  const int64_t faceCount = in.Count(4);
  std::vector<TextFace> faces(static_cast<size_t>(faceCount));
  int64_t usedVertices = 0;
  for (TextFace& face : faces) {
    uint32_t colour = 0;
    for (int shift = 0; shift < 24; shift += 8) colour |= static_cast<uint32_t>(in.Index(256)) << shift;
    face.colour = colour;
    const int64_t cornerCount = in.Count(2);
    cornersPerFrame += cornerCount + 1;
    if (cornersPerFrame > kMaxMeshVertices) Fail(MeshReadResult::kMallocError);
    face.corners.resize(static_cast<size_t>(cornerCount));
    for (auto& [vertexIndex, uvIndex] : face.corners) {
      vertexIndex = in.Index(INT32_MAX);
      usedVertices = std::max(usedVertices, vertexIndex + 1);
      // Without texture coordinates the uv indexes are read and not used.
      uvIndex = uvCount > 0 ? in.Index(uvCount) : (in.Number(), 0);
    }
  }

  const int64_t frameCount = in.Count(1);
  if (frameCount > 0 && cornersPerFrame > kMaxMeshVertices / frameCount) Fail(MeshReadResult::kMallocError);
  object.frames.resize(static_cast<size_t>(frameCount));
  const int64_t perVertex = normals ? 6 : 3;
  std::vector<float> positions;
  for (MeshFrame& frame : object.frames) {
    const int64_t vertexCount = in.Count(perVertex);
    if (vertexCount < usedVertices) Fail(MeshReadResult::kReadError);
    positions.resize(static_cast<size_t>(vertexCount * perVertex));
    for (float& value : positions) value = in.Float();
    frame.resize(static_cast<size_t>(cornersPerFrame));
    size_t out = 0;
    for (const TextFace& face : faces) {
      MeshVertex& boundary = frame[out++];
      SetVertexColour(boundary, kBoundaryColour);
      const size_t first = out;
      for (const auto& [vertexIndex, uvIndex] : face.corners) {
        MeshVertex& vertex = frame[out++];
        const float* source = &positions[static_cast<size_t>(vertexIndex * perVertex)];
        std::memcpy(vertex.position, source, sizeof vertex.position);
        if (normals) std::memcpy(vertex.normal, source + 3, sizeof vertex.normal);
        if (uvCount > 0) {
          vertex.u = uv[static_cast<size_t>(uvIndex) * 2];
          vertex.v = -uv[static_cast<size_t>(uvIndex) * 2 + 1];
        }
        SetVertexColour(vertex, face.colour);
      }
      if (!normals) SetPolygonNormal(&frame[first], out - first);
    }
  }
  RebuildPalette(object);
  return true;
}

template <typename T>
void Put(std::vector<uint8_t>& out, T value) {
  const size_t at = out.size();
  out.resize(at + sizeof(T));
  std::memcpy(out.data() + at, &value, sizeof(T));
}

}  // namespace

MeshReadResult ReadMesh(std::span<const uint8_t> bytes, MeshObject& object) {
  object = MeshObject{};
  MeshReadResult result = MeshReadResult::kLoaded;
  try {
    ByteCursor binary(bytes);
    int32_t magic = 0;
    if (bytes.size() >= sizeof magic) magic = binary.Take<int32_t>();
    if (magic == kMeshMagic) {
      ReadBinary(binary, object);
    } else {
      TokenCursor text(bytes);
      if (!ReadText(text, object)) result = MeshReadResult::kNotAnObject;
    }
  } catch (const ReadFailure& failure) {
    result = failure.result;
  } catch (const std::bad_alloc&) {
    result = MeshReadResult::kMallocError;
  }
  if (result != MeshReadResult::kLoaded) {
    object = MeshObject{};
    return result;
  }
  object.loaded = true;
  return result;
}

std::vector<uint8_t> WriteMesh(const MeshObject& object) {
  std::vector<uint8_t> out;
  size_t uvCount = 0;
  for (const MeshFrame& frame : object.frames) uvCount = std::max(uvCount, frame.size());
  Put<int32_t>(out, kMeshMagic);
  Put<double>(out, kNewestVersion);
  Put<int32_t>(out, static_cast<int32_t>(object.frames.size()));
  Put<int32_t>(out, static_cast<int32_t>(object.palette.size()));
  Put<int32_t>(out, static_cast<int32_t>(uvCount));
  for (uint32_t colour : object.palette) Put<uint32_t>(out, colour);
  for (size_t i = 0; i < uvCount; ++i) {
    size_t f = 0;
    while (object.frames[f].size() <= i) ++f;
    Put<float>(out, object.frames[f][i].u);
    Put<float>(out, object.frames[f][i].v);
  }
  for (const MeshFrame& frame : object.frames) {
    Put<int32_t>(out, static_cast<int32_t>(frame.size()));
    for (const MeshVertex& vertex : frame) {
      for (float value : vertex.position) Put<float>(out, value);
      Put<uint8_t>(out, NearestNormalIndex(vertex.normal[0], vertex.normal[1], vertex.normal[2]));
      Put<uint8_t>(out, vertex.colourIndex);
    }
  }
  return out;
}

}  // namespace vdr
