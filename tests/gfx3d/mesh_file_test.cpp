// Object files written by the tests and read back: both binary versions, the
// text variant, saving, and the refusals of damaged files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/runtime_log.h"
#include "gfx3d/mesh_files.h"
#include "gfx3d/mesh_format.h"
#include "gfx3d/normal_table.h"
#include "tests/gfx2d/gfx2d_test_support.h"
#include "tests/support/engine_harness.h"

namespace vdr {
namespace {

using test::TempPath;
using test::WriteTempFile;

// Little-endian fields appended one after another.
struct Bytes {
  std::vector<uint8_t> data;
  template <typename T>
  Bytes& Put(T value) {
    const size_t at = data.size();
    data.resize(at + sizeof(T));
    std::memcpy(data.data() + at, &value, sizeof(T));
    return *this;
  }
};

struct VertexRecord {
  float x, y, z;
  uint8_t normal, colour;
};

// A binary file of one frame, palette [0x0000FF], uv (0.25, 0.5) per vertex.
// Versions below 2.0 store byte positions with origin 1 and scale 2.
std::vector<uint8_t> BinaryFile(double version, const std::vector<VertexRecord>& vertices, int32_t uvCount = -1,
                                std::vector<uint32_t> palette = {0x0000FF}) {
  Bytes file;
  if (uvCount < 0) uvCount = static_cast<int32_t>(vertices.size());
  file.Put<int32_t>(kMeshMagic).Put<double>(version).Put<int32_t>(1);
  file.Put<int32_t>(static_cast<int32_t>(palette.size())).Put<int32_t>(uvCount);
  for (uint32_t colour : palette) file.Put<uint32_t>(colour);
  for (int32_t i = 0; i < uvCount; ++i) file.Put<float>(0.25f).Put<float>(0.5f);
  file.Put<int32_t>(static_cast<int32_t>(vertices.size()));
  const bool old = version < 2.0;
  if (old) {
    for (int i = 0; i < 3; ++i) file.Put<float>(1);
    for (int i = 0; i < 3; ++i) file.Put<float>(2);
  }
  for (const VertexRecord& v : vertices) {
    if (old) {
      file.Put<uint8_t>(static_cast<uint8_t>(v.x)).Put<uint8_t>(static_cast<uint8_t>(v.y));
      file.Put<uint8_t>(static_cast<uint8_t>(v.z));
    } else {
      file.Put<float>(v.x).Put<float>(v.y).Put<float>(v.z);
    }
    file.Put<uint8_t>(v.normal).Put<uint8_t>(v.colour);
  }
  return file.data;
}

const std::vector<VertexRecord> kTriangle = {{1, 1, 1, 5, 0}, {3, 1, 1, 5, 0}, {1, 3, 1, 0, 0}};

std::vector<uint8_t> Text(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

bool LogHas(const std::string& line) {
  const std::vector<std::string> log = test::ReadRuntimeLog();
  return std::find(log.begin(), log.end(), line) != log.end();
}

class MeshFileTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteRuntimeLog(); }
  MeshObject object;
};

TEST(NormalTable, HoldsTheUnitVectorsAndFindsEachEntry) {
  EXPECT_FLOAT_EQ(kNormalTable[0][0], -0.525731f);
  EXPECT_FLOAT_EQ(kNormalTable[0][2], 0.850651f);
  EXPECT_EQ(kNormalTable[5][2], 1.0f);
  for (int i = 0; i < kNormalCount; ++i) {
    const float* n = kNormalTable[i];
    EXPECT_NEAR(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1.0, 1e-6) << i;
    // A scaled copy of an entry finds that entry again.
    EXPECT_EQ(NearestNormalIndex(n[0] * 3, n[1] * 3, n[2] * 3), i);
  }
  EXPECT_EQ(NearestNormalIndex(0.01f, 0.02f, 5), 5);
}

TEST_F(MeshFileTest, OldBinaryVersionLoadsARedFrameWithNegatedV) {
  ASSERT_TRUE(LoadMeshFile(object, WriteTempFile("old.ddd", BinaryFile(1.02, kTriangle)).c_str()));
  EXPECT_TRUE(object.loaded);
  ASSERT_EQ(object.frames.size(), 1u);
  ASSERT_EQ(object.frames[0].size(), 3u);
  EXPECT_EQ(object.palette, std::vector<uint32_t>{0x0000FF});
  const MeshVertex& second = object.frames[0][1];
  // (byte - origin) * scale with origin 1 and scale 2.
  EXPECT_FLOAT_EQ(second.position[0], 4);
  EXPECT_FLOAT_EQ(second.position[1], 0);
  for (const MeshVertex& vertex : object.frames[0]) {
    EXPECT_EQ(vertex.colour, 0x0000FFu);
    EXPECT_EQ(vertex.colourIndex, 0);
    EXPECT_FLOAT_EQ(vertex.rgba[0], 1);
    EXPECT_FLOAT_EQ(vertex.rgba[1], 0);
    EXPECT_FLOAT_EQ(vertex.rgba[2], 0);
    EXPECT_FLOAT_EQ(vertex.rgba[3], 1);
    EXPECT_FLOAT_EQ(vertex.u, 0.25f);
    EXPECT_FLOAT_EQ(vertex.v, -0.5f);
  }
  EXPECT_EQ(object.frames[0][0].normal[2], 1.0f);                  // entry 5
  EXPECT_FLOAT_EQ(object.frames[0][2].normal[0], -0.525731f);      // entry 0
}

TEST_F(MeshFileTest, VersionTwoKeepsFloatPositionsAndV) {
  ASSERT_TRUE(LoadMeshFile(object, WriteTempFile("new.ddd", BinaryFile(2.0, kTriangle)).c_str()));
  EXPECT_FLOAT_EQ(object.frames[0][1].position[0], 3);
  EXPECT_FLOAT_EQ(object.frames[0][1].v, 0.5f);
}

TEST_F(MeshFileTest, VersionsOutsideTheRangeAreRefusedWithTheirLine) {
  for (double version : {1.01, 2.01}) {
    DeleteRuntimeLog();
    EXPECT_FALSE(LoadMeshFile(object, WriteTempFile("bad.ddd", BinaryFile(version, kTriangle)).c_str()));
    EXPECT_FALSE(object.loaded);
    EXPECT_TRUE(LogHas("Wrong .ddd version.")) << version;
  }
}

constexpr const char* kTwoFaces =
    "DDDA 1.1\n"
    "2  0 0  1 1\n"
    "2  255 0 0 3  0 0 1 1 2 0   0 255 0 4  0 1 1 0 2 1 3 0\n"
    "1  4  0 0 0 0 0 1  1 0 0 0 0 1  0 1 0 0 0 1  1 1 0 0 0 1\n";

TEST_F(MeshFileTest, TextFacesBecomePolygonsAfterBoundaryVertices) {
  ASSERT_TRUE(LoadMeshFile(object, WriteTempFile("faces.ddd", Text(kTwoFaces)).c_str()));
  ASSERT_EQ(object.frames.size(), 1u);
  const MeshFrame& frame = object.frames[0];
  ASSERT_EQ(frame.size(), 2u + 3 + 4);
  EXPECT_TRUE(frame[0].IsBoundary());
  EXPECT_TRUE(frame[4].IsBoundary());
  EXPECT_EQ(frame[1].colour, 0x0000FFu);
  EXPECT_EQ(frame[5].colour, 0x00FF00u);
  EXPECT_FLOAT_EQ(frame[2].position[0], 1);  // corner "1 1": vertex 1
  EXPECT_FLOAT_EQ(frame[2].v, -1);           // uv 1 with v negated
  EXPECT_FLOAT_EQ(frame[2].normal[2], 1);
  // The palette in order of first appearance: boundary, red, green.
  EXPECT_EQ(object.palette, (std::vector<uint32_t>{kBoundaryColour, 0x0000FF, 0x00FF00}));
  EXPECT_EQ(frame[0].colourIndex, 0);
  EXPECT_EQ(frame[1].colourIndex, 1);
  EXPECT_EQ(frame[5].colourIndex, 2);
  EXPECT_EQ(frame[4].colourIndex, 0);
}

TEST_F(MeshFileTest, CommentsBetweenNumbersChangeNothing) {
  MeshObject plain;
  ASSERT_TRUE(LoadMeshFile(plain, WriteTempFile("plain.ddd", Text(kTwoFaces)).c_str()));
  const std::string commented =
      "DDDA # text objects\n1.1\n# texture coordinates\n2 0 0#first\n 1 1\n"
      "2 # faces\n 255 0 0 3 0 0 1 1 2 0\n#\n#\n0 255 0 4 0 1 1 0 2 1 3 0\n"
      "1 4 0 0 0 0 0 1 1 0 0 0 0 1 # half\n 0 1 0 0 0 1 1 1 0 0 0 1";
  ASSERT_TRUE(LoadMeshFile(object, WriteTempFile("commented.ddd", Text(commented)).c_str()));
  ASSERT_EQ(object.frames[0].size(), plain.frames[0].size());
  for (size_t i = 0; i < plain.frames[0].size(); ++i) {
    EXPECT_EQ(std::memcmp(object.frames[0][i].position, plain.frames[0][i].position, 12), 0) << i;
    EXPECT_EQ(object.frames[0][i].colour, plain.frames[0][i].colour) << i;
  }
}

TEST_F(MeshFileTest, TextWithoutNormalsGetsEachPolygonsNormal) {
  ASSERT_TRUE(LoadMeshFile(object, WriteTempFile("flat.ddd", Text("DDDA 1.0 0 1 9 9 9 3 0 0 1 0 2 0 "
                                                                     "1 3 0 0 0 1 0 0 0 1 0")).c_str()));
  const MeshVertex& corner = object.frames[0][1];
  EXPECT_FLOAT_EQ(corner.normal[2], 1);  // counter-clockwise in x, y: towards +z
  EXPECT_EQ(corner.u, 0);                // no texture coordinates in the file
}

TEST_F(MeshFileTest, NotAnObjectFailsSilently) {
  for (const char* text : {"DDDB 1.0 0 0 0", "DDDA 1.2 0 0 0", ""}) {
    EXPECT_FALSE(LoadMeshFile(object, WriteTempFile("other.ddd", Text(text)).c_str())) << text;
  }
  EXPECT_TRUE(test::ReadRuntimeLog().empty());
}

TEST_F(MeshFileTest, SavingAndLoadingKeepsTheObject) {
  ASSERT_TRUE(LoadMeshFile(object, WriteTempFile("faces.ddd", Text(kTwoFaces)).c_str()));
  object.frames.push_back(object.frames[0]);
  for (MeshVertex& vertex : object.frames[1]) {
    vertex.position[2] += 5;
    vertex.u = 7;  // only frame 0's texture coordinates are stored
  }
  const std::string path = TempPath("saved.ddd");
  ASSERT_TRUE(SaveMeshFile(object, path));
  MeshObject again;
  ASSERT_TRUE(LoadMeshFile(again, path.c_str()));
  EXPECT_EQ(again.palette, object.palette);
  ASSERT_EQ(again.frames.size(), 2u);
  for (size_t f = 0; f < 2; ++f) {
    ASSERT_EQ(again.frames[f].size(), object.frames[f].size());
    for (size_t i = 0; i < again.frames[f].size(); ++i) {
      const MeshVertex& a = again.frames[f][i];
      const MeshVertex& b = object.frames[f][i];
      EXPECT_EQ(std::memcmp(a.position, b.position, 12), 0) << f << " " << i;
      EXPECT_EQ(a.colourIndex, b.colourIndex);
      EXPECT_EQ(a.colour, b.colour);
      EXPECT_EQ(a.u, object.frames[0][i].u);
      EXPECT_EQ(a.v, object.frames[0][i].v);
    }
  }
  EXPECT_EQ(again.frames[0][1].normal[2], 1.0f);  // (0, 0, 1) is entry 5
  // Nothing but the file itself is left in the folder.
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
  }
}

TEST_F(MeshFileTest, FramesLargerThanFrameZeroStillReadBack) {
  ASSERT_TRUE(LoadMeshFile(object, WriteTempFile("tri.ddd", BinaryFile(2.0, kTriangle)).c_str()));
  MeshObject bigger;
  ASSERT_TRUE(LoadMeshFile(bigger, WriteTempFile("faces.ddd", Text(kTwoFaces)).c_str()));
  object.frames.push_back(bigger.frames[0]);
  object.palette = bigger.palette;
  for (MeshFrame& frame : object.frames) {
    for (MeshVertex& vertex : frame) vertex.colourIndex = 0;
  }
  const std::string path = TempPath("mixed.ddd");
  ASSERT_TRUE(SaveMeshFile(object, path));
  MeshObject again;
  ASSERT_TRUE(LoadMeshFile(again, path.c_str()));
  EXPECT_EQ(again.frames[1].size(), bigger.frames[0].size());
  EXPECT_EQ(again.frames[1][5].u, bigger.frames[0][5].u);
}

TEST_F(MeshFileTest, AFailedSaveLeavesTheOldFile) {
  const std::string path = WriteTempFile("kept.ddd", Text("old content"));
  EXPECT_FALSE(SaveMeshFile(MeshObject{}, path));  // no frames
  ASSERT_TRUE(LoadMeshFile(object, WriteTempFile("tri.ddd", BinaryFile(2.0, kTriangle)).c_str()));
  EXPECT_FALSE(SaveMeshFile(object, "mem://00000010.00001000"));
  EXPECT_FALSE(SaveMeshFile(object, TempPath("no-such-folder/x.ddd")));
  std::ifstream kept(path);
  std::string content;
  std::getline(kept, content);
  EXPECT_EQ(content, "old content");
}

std::vector<uint8_t> WithCount(std::vector<uint8_t> file, size_t offset, int32_t count) {
  std::memcpy(file.data() + offset, &count, 4);
  return file;
}

TEST_F(MeshFileTest, DamagedFilesAreReadErrors) {
  const std::vector<uint8_t> good = BinaryFile(2.0, kTriangle);
  const size_t vertexCountAt = 24 + 4 + 3 * 8;  // header, palette, uvs
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"colour index past the palette", BinaryFile(2.0, {{0, 0, 0, 5, 1}, {1, 0, 0, 5, 0}, {0, 1, 0, 5, 0}})},
      {"normal index past the table", BinaryFile(2.0, {{0, 0, 0, 162, 0}, {1, 0, 0, 5, 0}, {0, 1, 0, 5, 0}})},
      {"more vertices than texture coordinates", BinaryFile(2.0, kTriangle, 2)},
      {"old version, colour index into an empty palette", BinaryFile(1.5, kTriangle, -1, {})},
      {"negative frame count", WithCount(good, 12, -1)},
      {"frame count the file cannot hold", WithCount(good, 12, 0x7FFFFFFF)},
      {"palette the file cannot hold", WithCount(good, 16, 0x40000000)},
      {"texture coordinates the file cannot hold", WithCount(good, 20, 0x20000000)},
      {"vertex count the file cannot hold", WithCount(good, vertexCountAt, 0x7FFFFFF0)},
      {"cut short", std::vector<uint8_t>(good.begin(), good.end() - 1)},
      {"text vertex index past the frame", Text("DDDA 1.0 0 1 9 9 9 3 0 0 1 0 5 0 1 3 0 0 0 1 0 0 0 1 0")},
      {"text uv index past the list", Text("DDDA 1.0 1 0 0 1 9 9 9 3 0 0 1 1 2 0 1 3 0 0 0 1 0 0 0 1 0")},
      {"text colour component above 255", Text("DDDA 1.0 0 1 256 0 0 1 0 0 1 1 0 0 0")},
      {"text count the file cannot hold", Text("DDDA 1.0 0 1 9 9 9 1000000 0 0")},
      {"text frame count the file cannot hold", Text("DDDA 1.0 0 0 99999999 0")},
      {"text negative count", Text("DDDA 1.0 -1")},
      {"text word for a number", Text("DDDA 1.0 0 1 red 0 0 1 0 0 1 1 0 0 0")},
      {"text cut short", Text("DDDA 1.0 0 1 9 9 9 3 0 0 1 0 2 0 1 3 0 0 0 1 0 0 0 1")},
  };
  for (const Case& c : cases) {
    DeleteRuntimeLog();
    EXPECT_FALSE(LoadMeshFile(object, WriteTempFile("damaged.ddd", c.bytes).c_str())) << c.what;
    EXPECT_FALSE(object.loaded) << c.what;
    EXPECT_TRUE(LogHas("# read error")) << c.what;
  }
}

TEST_F(MeshFileTest, ObjectsBeyondTheVertexBudgetAreRefusedBeforeAllocating) {
  // 2,100 frames of one vertex, each drawing 2,000 corners of it: 4.2
  // million vertices from a file of some 20 kB.
  std::string text = "DDDA 1.0 0 1 9 9 9 2000";
  for (int i = 0; i < 2000; ++i) text += " 0 0";
  text += " 2100";
  for (int i = 0; i < 2100; ++i) text += " 1 0 0 0";
  EXPECT_EQ(ReadMesh(Text(text), object), MeshReadResult::kMallocError);
  EXPECT_TRUE(object.frames.empty());
  EXPECT_FALSE(LoadMeshFile(object, WriteTempFile("huge.ddd", Text(text)).c_str()));
  EXPECT_TRUE(LogHas("# malloc error"));
}

TEST_F(MeshFileTest, MoreThanAByteOfColoursIsARefusal) {
  std::string text = "DDDA 1.0 0 300";
  for (int i = 0; i < 300; ++i) text += " " + std::to_string(i % 256) + " " + std::to_string(i / 256) + " 0 1 0 0";
  text += " 1 1 0 0 0";
  EXPECT_EQ(ReadMesh(Text(text), object), MeshReadResult::kReadError);
}

}  // namespace
}  // namespace vdr
