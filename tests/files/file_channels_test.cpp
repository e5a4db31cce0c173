// The eight file channels: binary values, text, lines, seeking, the ends of
// disk and memory files, and the faults that end the program.

#include <cmath>
#include <cstring>

#include "files/file_commands.h"
#include "files/memory_files.h"
#include "runtime/error_status.h"
#include "tests/files/files_test_support.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using testing_files::FilesTest;
using testing_files::ReadFile;
using testing_files::WriteFile;
using ::testing::ExitedWithCode;

class FileChannelsTest : public FilesTest {
 protected:
  // Opens channel 0 for reading on the bytes as a memory file.
  void OpenMemory(const std::string& bytes) {
    memory_ = test::PublishBytes(bytes);
    ASSERT_EQ(OpenFile(0, memory_.Name().c_str(), 1), 1);
  }
  MemoryFile memory_;
};

// Reading runs the same on both kinds of channel.
class ChannelReadTest : public FileChannelsTest, public ::testing::WithParamInterface<bool> {
 protected:
  void Open(const std::string& bytes) {
    if (GetParam()) {
      OpenMemory(bytes);
    } else {
      WriteFile("data", bytes);
      ASSERT_EQ(OpenFile(0, "data", 1), 1);
    }
  }
};

INSTANTIATE_TEST_SUITE_P(DiskAndMemory, ChannelReadTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Memory" : "Disk"; });

TEST_F(FileChannelsTest, BinaryValuesAreLittleEndian) {
  ASSERT_EQ(OpenFile(1, "values", 0), 1);
  WriteDouble(1, 1.5);
  WriteWord(1, -2);
  WriteByte(1, -1);
  WriteLong(1, -2);
  WriteFloat(1, 0.25);
  WriteText(1, "ab");
  WriteLine(1, "cd");
  CloseFile(1);
  EXPECT_EQ(ReadFile("values"), std::string("\x00\x00\x00\x00\x00\x00\xF8\x3F\xFE\xFF\xFF\xFE\xFF\xFF\xFF"
                                            "\x00\x00\x80\x3E" "abcd\r\n", 25));

  ASSERT_EQ(OpenFile(1, "values", 1), 1);
  EXPECT_EQ(ReadDouble(1), 1.5);
  EXPECT_EQ(ReadWord(1), -2);
  FileSeek(1, -2, 1);
  EXPECT_EQ(ReadUWord(1), 65534);
  EXPECT_EQ(ReadByte(1), -1);
  FileSeek(1, -1, 1);
  EXPECT_EQ(ReadUByte(1), 255);
  EXPECT_EQ(ReadULong(1), -2);  // 32 bits stored unchanged
  EXPECT_EQ(ReadFloat(1), 0.25);
  EXPECT_EQ(FilePosition(1), 19);
}

// Integer writes keep the low 8, 16 or 32 bits of the number truncated
// toward zero, whatever its size; the signed and unsigned forms agree.
TEST_F(FileChannelsTest, IntegerWritesWrapToTheirLowBits) {
  using Write = void (*)(double, double);
  struct Case { const char* what; Write signedForm, unsignedForm; double value; std::string bytes; };
  const Case cases[] = {
      {"long 4294967295", WriteLong, WriteULong, 4294967295.0, "\xFF\xFF\xFF\xFF"},
      {"long 2147483648", WriteLong, WriteULong, 2147483648.0, std::string("\x00\x00\x00\x80", 4)},
      {"long -2147483649", WriteLong, WriteULong, -2147483649.0, "\xFF\xFF\xFF\x7F"},
      {"long 2^32 + 5", WriteLong, WriteULong, 4294967301.0, std::string("\x05\x00\x00\x00", 4)},
      {"long 1e10", WriteLong, WriteULong, 1e10, std::string("\x00\xE4\x0B\x54", 4)},
      {"long -1e10", WriteLong, WriteULong, -1e10, std::string("\x00\x1C\xF4\xAB", 4)},
      {"long 1e300", WriteLong, WriteULong, 1e300, std::string(4, '\0')},
      {"long -2.9", WriteLong, WriteULong, -2.9, "\xFE\xFF\xFF\xFF"},
      {"long NaN", WriteLong, WriteULong, std::nan(""), std::string(4, '\0')},
      {"word 70000", WriteWord, WriteUWord, 70000, "\x70\x11"},
      {"word -1", WriteWord, WriteUWord, -1, "\xFF\xFF"},
      {"word 1e10", WriteWord, WriteUWord, 1e10, std::string("\x00\xE4", 2)},
      {"byte 255.9", WriteByte, WriteUByte, 255.9, "\xFF"},
      {"byte -129", WriteByte, WriteUByte, -129, "\x7F"},
      {"byte 1e10", WriteByte, WriteUByte, 1e10, std::string(1, '\0')},
      {"byte -3e9", WriteByte, WriteUByte, -3e9, std::string(1, '\0')},
  };
  for (const Case& c : cases) {
    for (Write write : {c.signedForm, c.unsignedForm}) {
      ASSERT_EQ(OpenFile(1, "value", 0), 1);
      write(1, c.value);
      CloseFile(1);
      EXPECT_EQ(ReadFile("value"), c.bytes) << c.what;
    }
  }
}

TEST_P(ChannelReadTest, LinesEndAtLineFeedsAndAtTheEnd) {
  Open("ab\r\ncd");
  RuntimeString line;
  ReadLine(0, line);
  EXPECT_EQ(line, "ab");
  EXPECT_EQ(EndOfFile(0), 0);
  ReadLine(0, line);
  EXPECT_EQ(line, "cd");
  EXPECT_EQ(EndOfFile(0), 1);
  EXPECT_EXIT(ReadLine(0, line), ExitedWithCode(1), "0003 no such file");
}

TEST_P(ChannelReadTest, LongLinesComeInPartsOf1024) {
  Open(std::string(1500, 'x') + "\r\n" + std::string(64, 'y'));
  RuntimeString line;
  ReadLine(0, line);
  EXPECT_EQ(line.length(), 1024u);
  ReadLine(0, line);
  EXPECT_EQ(line, std::string(476, 'x').c_str());
  // A last line without a line feed is read even when it fills whole chunks.
  ReadLine(0, line);
  EXPECT_EQ(line, std::string(64, 'y').c_str());
  EXPECT_EQ(EndOfFile(0), 1);
}

TEST_P(ChannelReadTest, SeekOrigins) {
  std::string bytes(100, 0);
  for (int i = 0; i < 100; ++i) bytes[i] = static_cast<char>(i);
  Open(bytes);
  FileSeek(0, -8, -1);
  EXPECT_EQ(FilePosition(0), 92);
  EXPECT_EQ(ReadUByte(0), 92);
  FileSeek(0, 10, 0);
  EXPECT_EQ(ReadUByte(0), 10);
  FileSeek(0, 5, 1);
  EXPECT_EQ(FilePosition(0), 16);
  EXPECT_EQ(ReadUByte(0), 16);
}

TEST_P(ChannelReadTest, ReadTextStopsAtNulAndReadsExactCounts) {
  Open(std::string("abc\0def", 7) + "ghij");
  RuntimeString text = "old";
  ReadText(0, text, 0);
  EXPECT_EQ(text, "");
  ReadText(0, text, 7);
  EXPECT_EQ(text, "abc");
  EXPECT_EQ(FilePosition(0), 7);
  ReadText(0, text, 4);
  EXPECT_EQ(text, "ghij");
}

TEST_F(FileChannelsTest, ShortMemoryReadKeepsTheBytesThatAreThere) {
  OpenMemory("\x01\x02\x03\x04\x05\x06");
  EXPECT_EQ(ReadLong(0), 0x04030201);
  EXPECT_EQ(ReadLong(0), 0x0605);
  EXPECT_EQ(EndOfFile(0), 1);
  EXPECT_EQ(ReadLong(0), 0);  // at the end, not past it
  RuntimeString text;
  FileSeek(0, 4, 0);
  ReadText(0, text, 100);
  EXPECT_EQ(text, "\x05\x06");
  // Before the start or past the end of the block is no place to read.
  FileSeek(0, -1, 0);
  EXPECT_EXIT(ReadByte(0), ExitedWithCode(1), "0003 no such file");
  FileSeek(0, 7, 0);
  EXPECT_EXIT(ReadByte(0), ExitedWithCode(1), "0003 no such file");
}

TEST_F(FileChannelsTest, MemoryFilesCannotBeWritten) {
  OpenMemory("data");
  EXPECT_EQ(OpenFile(1, memory_.Name().c_str(), 0), 0);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_EQ(OpenFile(1, memory_.Name().c_str(), -1), 0);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_EXIT(WriteByte(0, 1), ExitedWithCode(1), "0003 no such file");
}

TEST_F(FileChannelsTest, AppendAddsAtTheEnd) {
  ASSERT_EQ(OpenFile(2, "log.txt", 0), 1);
  WriteLine(2, "one");
  CloseFile(2);
  ASSERT_EQ(OpenFile(2, "log.txt", -1), 1);
  WriteLine(2, "two");
  CloseFile(2);
  EXPECT_EQ(ReadFile("log.txt"), "one\r\ntwo\r\n");
  EXPECT_EQ(OpenFile(2, "missing.txt", 1), 0);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_EQ(OpenFile(2, "no/such/folder.txt", 0), 0);
}

TEST_F(FileChannelsTest, FreeChannelSkipsOpenChannels) {
  EXPECT_EQ(FreeFileChannel(), 0);
  OpenMemory("in use");
  ASSERT_EQ(OpenFile(1, "out", 0), 1);
  EXPECT_EQ(FreeFileChannel(), 2);
  CloseFile(0);
  EXPECT_EQ(FreeFileChannel(), 0);
}

TEST_F(FileChannelsTest, FaultsEndTheProgram) {
  WriteFile("two", "ab");
  ASSERT_EQ(OpenFile(0, "two", 1), 1);
  EXPECT_EXIT(OpenFile(8, "two", 1), ExitedWithCode(1), "0007 out of memory");
  EXPECT_EXIT(ReadByte(-1), ExitedWithCode(1), "0007 out of memory");
  EXPECT_EQ(EndOfFile(8), 1);
  EXPECT_EXIT(ReadLong(0), ExitedWithCode(1), "0003 no such file");  // past the end of a disk file
  EXPECT_EXIT(ReadByte(3), ExitedWithCode(1), "0003 no such file");  // closed
  EXPECT_EXIT(WriteByte(0, 1), ExitedWithCode(1), "0003 no such file");  // opened for reading
  RuntimeString text;
  EXPECT_EXIT(ReadText(0, text, 2000000000), ExitedWithCode(1), "0003 no such file");
}

}  // namespace
}  // namespace vdr
