// Memory file names: their text, and that only live blocks can be read.

#include <cstring>

#include "files/file_source.h"
#include "files/file_system.h"
#include "files/memory_files.h"
#include "runtime/error_status.h"
#include "tests/files/files_test_support.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using test::BlockOf;

TEST(MemoryFileNameTest, FieldsAreMinimumWidthsSoWholeAddressesAreWritten) {
  EXPECT_EQ(MemoryFileName(0x10, reinterpret_cast<void*>(0x7f12345678ab)), "mem://      10.7f12345678ab");
  EXPECT_EQ(MemoryFileName(0x1234abcd, reinterpret_cast<void*>(0x1000)), "mem://1234abcd.    1000");
  uint64_t length = 0, address = 0;
  ASSERT_TRUE(ParseMemoryFileName("mem://      10.7f12345678ab", length, address));
  EXPECT_EQ(length, 0x10u);
  EXPECT_EQ(address, 0x7f12345678abu);
  EXPECT_FALSE(ParseMemoryFileName("mem://      10", length, address));
  EXPECT_FALSE(ParseMemoryFileName("mem:/      10.    1000", length, address));
  EXPECT_FALSE(ParseMemoryFileName("mem://      10.12345678123456789", length, address));
}

TEST(MemoryFileTest, OnlyPublishedLiveNamesCanBeRead) {
  MemoryFile file(BlockOf("hello"));
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(file.Name().c_str(), bytes));
  EXPECT_EQ(testing_files::ToString(bytes), "hello");
  EXPECT_EQ(FileExists(file.Name().c_str()), 1);
  EXPECT_EQ(FileSize(file.Name().c_str()), 5);

  // Names the runtime did not hand out: another length, another address, junk.
  const auto address = reinterpret_cast<uintptr_t>(file.Block()->bytes.get());
  for (const std::string& forged : {MemoryFileName(6, file.Block()->bytes.get()),
                                    MemoryFileName(5, reinterpret_cast<void*>(address + 1)),
                                    std::string("mem://ffffffff.ffffffffffff"), std::string("mem://")}) {
    EXPECT_EQ(FindMemoryFile(forged.c_str()), nullptr) << forged;
    EXPECT_EQ(FileExists(forged.c_str()), 0) << forged;
  }

  // A reader keeps the block; the name is gone for everyone else.
  FileSource reader;
  ASSERT_TRUE(reader.Open(file.Name().c_str()));
  const std::string name = file.Name();
  file.Withdraw();
  EXPECT_EQ(FileExists(name.c_str()), 0);
  EXPECT_EQ(FileSize(name.c_str()), 0);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  char text[8] = {};
  EXPECT_EQ(reader.Read(text, sizeof text), 5u);
  EXPECT_STREQ(text, "hello");
}

}  // namespace
}  // namespace vdr
