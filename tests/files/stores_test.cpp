// The settings store and the line-file store: parsing, the order rules, the
// line rules, reading from packs and memory files, and writing back only to
// disk, whole or not at all.

#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "files/file_system.h"
#include "files/file_resolver.h"
#include "files/line_file_store.h"
#include "files/pack_writer.h"
#include "files/platform_paths.h"
#include "files/settings_format.h"
#include "files/settings_store.h"
#include "files/store_commands.h"
#include "runtime/error_status.h"
#include "tests/files/files_test_support.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using testing_files::FilesTest;
using testing_files::ReadFile;
using testing_files::WriteFile;

class StoresTest : public FilesTest {
 protected:
  void TearDown() override {
    // Both stores forget this test's files before its folder goes.
    LineFiles().Release();
    IniOpen("");
    FilesTest::TearDown();
  }

  // The folder's entries, sorted.
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
      names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // A pack "media.sbx" holding the files, made the memory context's pack.
  void UsePack(const std::vector<PackSourceFile>& files) {
    std::vector<uint8_t> pack;
    std::string error;
    ASSERT_TRUE(BuildPack(files, false, pack, error)) << error;
    WriteFile("media.sbx", std::string(pack.begin(), pack.end()));
    SetPackFile("media.sbx", "");
  }
};

PackSourceFile PackFile(const std::string& name, const std::string& text) {
  return {name, std::vector<uint8_t>(text.begin(), text.end())};
}

// Runs `write` while no file may grow beyond `limit` bytes, so that a write
// of more fails halfway (this holds for every user, unlike folder permissions).
template <typename Write>
void WithFileSizeLimit(rlim_t limit, Write write) {
  rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = limit;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  write();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
}

// ---- settings ----------------------------------------------------------------

struct SettingsCase {
  const char* file;
  const char* section;
  const char* key;
  const char* expected;  // "-" for the default
};

class SettingsParsingTest : public StoresTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsParsingTest, GetFindsWhatTheFileSays) {
  const SettingsCase& c = GetParam();
  WriteFile("s.ini", c.file);
  IniOpen("s.ini");
  EXPECT_EQ(IniGet(c.section, c.key, "-"), c.expected) << c.file;
}

const std::string kLongValue(1100, 'v');
const std::string kLongLine = "long=" + kLongValue + "tail=1";

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsParsingTest,
    ::testing::Values(
        SettingsCase{"a=1\r\n[s]\r\nb=2\r\n", "", "a", "1"},  // before any header
        SettingsCase{"a=1\r\n[s]\r\nb=2\r\n", "s", "b", "2"},
        SettingsCase{"[s]\nkey = value  \n", "s", "key", "value  "},  // trailing blanks stay
        SettingsCase{"[s]\nkey=\t value\t\r\n", "s", "key", "value"},
        SettingsCase{"[s]\nkey=\n", "s", "key", "-"},
        SettingsCase{"[s]\nkey value\n", "s", "key", "-"},
        SettingsCase{"[s]\nkey\n", "s", "key", "-"},
        SettingsCase{"[s]\n  \t key=x\n", "s", "key", "x"},
        SettingsCase{"[s]\n;key=x\n", "s", ";key", "-"},
        SettingsCase{"[video]\nwidth=640\n", "Video", "Width", "640"},  // letter case ignored
        SettingsCase{"[ Video]\nw=1\n", "video", "w", "1"},
        SettingsCase{"[Video\nw=1\n", "video", "w", "1"},
        SettingsCase{"[My Game]\nw=1\n", "My", "w", "1"},  // a name ends at a blank
        SettingsCase{"[s]\na=1\n[]\nb=2\n", "s", "b", "2"},  // "[]" keeps the section
        SettingsCase{"[s]\na=1\n[t]\n[s]\na=2\n", "s", "a", "1"},  // the first of repeated sections
        SettingsCase{"[s]\nx=1\nx=2\n", "s", "x", "1"},
        SettingsCase{"[s]\rk=1\n", "s", "k", "-"}));

TEST_F(StoresTest, ANulByteEndsALineAndAnOverlongLineIsCut) {
  const std::string text = std::string("[s]\r\nk=a\0b=c\r\n", 14) + kLongLine + "\r\nnext=1\r\n";
  const auto sections = ParseSettings(text);
  ASSERT_EQ(sections.size(), 1u);
  const auto& entries = sections[0].entries;
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].value, "a");
  // 1024 bytes of the line: "long=" and 1019 of the value; the rest of the line is not an entry.
  EXPECT_EQ(entries[1].value.length(), 1019u);
  EXPECT_EQ(entries[2].key, "next");
}

TEST_F(StoresTest, SectionsWithoutEntriesVanish) {
  const auto sections = ParseSettings("[a]\r\n[b]\r\n; only a comment\r\n[c]\r\nx=1\r\n");
  ASSERT_EQ(sections.size(), 1u);
  EXPECT_EQ(sections[0].name, "c");
}

TEST_F(StoresTest, RemovingASectionMovesTheLastIntoItsPlace) {
  IniOpen("order.ini");
  IniPut("one", "k", "1");
  IniPut("two", "k", "2");
  IniPut("three", "k", "3");
  IniPut("ONE", "", "");
  IniOpen("");
  EXPECT_EQ(ReadFile("order.ini"), "[three]\r\nk=3\r\n[two]\r\nk=2\r\n");
}

TEST_F(StoresTest, PutReplacesAppendsAndRemovesEntries) {
  IniOpen("entries.ini");
  for (const char* key : {"a", "b", "c", "d"}) IniPut("s", key, key);
  IniPut("S", "B", "bee");  // the entry found ignoring case keeps its key
  IniPut("s", "a", "");     // the last entry takes its place
  IniPut("s", "missing", "");
  IniPut("t", "", "");  // no such section: nothing changes
  IniOpen("");
  EXPECT_EQ(ReadFile("entries.ini"), "[s]\r\nd=d\r\nb=bee\r\nc=c\r\n");
}

TEST_F(StoresTest, SettingsAreWrittenBackOnTheNextOpenOnlyWhenChanged) {
  const std::string original = "; kept as written\r\n[s]\r\nk=1\r\n";
  WriteFile("kept.ini", original);
  IniOpen("kept.ini");
  EXPECT_EQ(ErrorStatus().code, 0);
  IniOpen("changed.ini");
  EXPECT_EQ(ReadFile("kept.ini"), original);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);  // a new file

  IniPut("s", "k", "2");
  EXPECT_FALSE(std::filesystem::exists("changed.ini"));  // never on each put
  IniOpen("kept.ini");
  EXPECT_EQ(ReadFile("changed.ini"), "[s]\r\nk=2\r\n");
  EXPECT_EQ(IniGet("s", "k", ""), "1");
}

TEST_F(StoresTest, EntriesWithoutASectionReadBackAfterNamedOnes) {
  IniOpen("mixed.ini");
  IniPut("named", "k", "1");
  IniPut("", "a", "2");
  IniOpen("mixed.ini");
  EXPECT_EQ(ReadFile("mixed.ini"), "a=2\r\n[named]\r\nk=1\r\n");
  EXPECT_EQ(IniGet("", "a", "-"), "2");
  EXPECT_EQ(IniGet("named", "k", "-"), "1");
}

TEST_F(StoresTest, SettingsComeFromThePackAndGoToDisk) {
  UsePack({PackFile("game.ini", "[video]\r\nwidth=640\r\n")});
  const std::string pack = ReadFile("media.sbx");
  IniOpen("Media/GAME.INI");  // found by its bare name, ignoring case
  EXPECT_EQ(IniGet("VIDEO", "WIDTH", ""), "640");
  IniOpen("game.ini");
  IniPut("video", "width", "800");
  IniOpen("");
  EXPECT_EQ(ReadFile("game.ini"), "[video]\r\nwidth=800\r\n");
  EXPECT_EQ(ReadFile("media.sbx"), pack);
}

TEST_F(StoresTest, AMemoryFileIsReadButNeverWrittenBack) {
  const MemoryFile memory = test::PublishBytes(std::string("[s]\r\nk=from memory\r\n"));
  IniOpen(memory.Name().c_str());
  EXPECT_EQ(IniGet("s", "k", ""), "from memory");
  IniPut("s", "k", "changed");
  const auto before = FolderEntries();
  IniOpen("");
  EXPECT_EQ(FolderEntries(), before);
  EXPECT_FALSE(std::filesystem::exists("mem:"));
}

TEST_F(StoresTest, AWriteThatFailsHalfwayLeavesTheOldSettingsFile) {
  const std::string original = "[s]\r\nk=old\r\n";
  WriteFile("keep.ini", original);
  IniOpen("keep.ini");
  IniPut("s", "k", std::string(64 * 1024, 'x').c_str());
  WriteFile("next.ini", "");
  WithFileSizeLimit(4096, [] { IniOpen("next.ini"); });
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);  // the next file itself was found
  EXPECT_EQ(ReadFile("keep.ini"), original);
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"keep.ini", "next.ini"}));  // no temporary file left
}

// Root writes into any folder; a test process run by root makes its writes
// as the user "nobody", who may pass through the test's folders.
bool WriteAsOrdinaryUser(const std::string& folder) {
  if (geteuid() != 0) return true;
  return chmod(TempFolder().c_str(), 0711) == 0 && chmod(folder.c_str(), 0755) == 0 && setgid(65534) == 0 &&
         setuid(65534) == 0;
}

TEST_F(StoresTest, AWriteIntoAReadOnlyFolderLeavesTheOldFile) {
  std::filesystem::create_directory("locked");
  WriteFile("locked/keep.ini", "[s]\r\nk=old\r\n");
  WriteFile("locked/keep.txt", "old line\r\n");
  chmod("locked", 0555);
  EXPECT_EXIT(
      {
        const bool asUser = WriteAsOrdinaryUser(Folder());
        IniOpen("locked/keep.ini");
        IniPut("s", "k", "new");
        IniOpen("");
        const bool settingsFailed = ErrorStatus().code == kErrorNoSuchFile;
        PutFileLine("locked/keep.txt", 0, "new line");
        LineFiles().Release();
        const bool whole =
            ReadFile("locked/keep.ini") == "[s]\r\nk=old\r\n" && ReadFile("locked/keep.txt") == "old line\r\n";
        const auto left = std::distance(std::filesystem::directory_iterator("locked"), {});
        std::_Exit(asUser && settingsFailed && whole && left == 2 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  chmod("locked", 0755);
}

TEST_F(StoresTest, BothStoresWriteBackWhereTheyOpenedTheirFile) {
  IniOpen("here.ini");
  IniPut("s", "k", "1");
  PutFileLine("here.txt", 0, "line");
  std::filesystem::create_directory("elsewhere");
  ASSERT_EQ(ChangeDirectory("elsewhere"), 1);
  WriteBackStores();
  ASSERT_EQ(ChangeDirectory(".."), 1);
  EXPECT_EQ(ReadFile("here.ini"), "[s]\r\nk=1\r\n");
  EXPECT_EQ(ReadFile("here.txt"), "line\r\n");
  EXPECT_TRUE(std::filesystem::is_empty("elsewhere"));
}

TEST_F(StoresTest, WrittenFilesKeepTheirPermissions) {
  WriteFile("shared.ini", "[s]\r\nk=1\r\n");
  std::filesystem::permissions("shared.ini", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                                 std::filesystem::perms::group_read);
  IniOpen("shared.ini");
  IniPut("s", "k", "2");
  IniOpen("");
  EXPECT_EQ(std::filesystem::status("shared.ini").permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
}

// ---- line files --------------------------------------------------------------

TEST_F(StoresTest, LinesOutsideTheStoreAndEmptyLinesGiveNoData) {
  WriteFile("l.txt", "first\r\n\r\n\t\r\nlast");
  EXPECT_EQ(GetFileLine("l.txt", 0), "first");
  EXPECT_EQ(ErrorStatus().code, 0);
  EXPECT_EQ(GetFileLine("l.txt", 1), "NO_DATA");
  EXPECT_EQ(ErrorStatus().code, 0);
  EXPECT_EQ(GetFileLine("l.txt", 2), "NO_DATA");
  EXPECT_EQ(GetFileLine("l.txt", 3), "last");
  EXPECT_EQ(GetFileLine("l.txt", 200), "NO_DATA");
  EXPECT_EQ(GetFileLine("l.txt", 300), "NO_DATA");
  EXPECT_EQ(ErrorStatus().code, kErrorOutOfMemory);
  EXPECT_EQ(GetFileLine("l.txt", -1), "NO_DATA");
  EXPECT_EQ(ErrorStatus().code, kErrorOutOfMemory);
  EXPECT_EQ(LineFiles().LastLine(), 3);
}

TEST_F(StoresTest, AMissingLineFileGivesNoFileEachTime) {
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(GetFileLine("missing.txt", 0), "NO_FILE");
    EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  }
  PutFileLine("missing.txt", 1, "made");
  EXPECT_EQ(GetFileLine("missing.txt", 1), "made");
  EXPECT_EQ(ErrorStatus().code, 0);
}

TEST_F(StoresTest, LineFiveOfANewFileWritesSixLines) {
  PutFileLine("new.txt", 5, "sixth");
  EXPECT_FALSE(std::filesystem::exists("new.txt"));
  GetFileLine("other.txt", 0);
  EXPECT_EQ(ReadFile("new.txt"), "\r\n\r\n\r\n\r\n\r\nsixth\r\n");
}

TEST_F(StoresTest, LinesAreReadAsNumbersAndNumbersWrittenAsTheRuntimePrintsThem) {
  WriteFile("n.txt", "3.75\r\n-12\r\nNaN\r\n");
  EXPECT_EQ(GetFileLineNumber("n.txt", 0), 3.75);
  EXPECT_EQ(GetFileLineInteger("n.txt", 1), -12);
  EXPECT_EQ(GetFileLineNumber("n.txt", 2), 0);
  PutFileLineNumber("n.txt", 0, 1.0 / 3.0);
  PutFileLineNumber("n.txt", 1, 1e10);
  LineFiles().Release();
  EXPECT_EQ(ReadFile("n.txt"), "0.3333333333\r\n1.e+010\r\nNaN\r\n");
}

TEST_F(StoresTest, LongLinesComeInPartsAndSlotsHold1023Characters) {
  // A longer line is read in parts of 1025 bytes, each cut to 1023 characters.
  WriteFile("long.txt", std::string(1500, 'a') + "\r\nend\r\n");
  EXPECT_EQ(GetFileLine("long.txt", 0), std::string(1023, 'a').c_str());
  EXPECT_EQ(GetFileLine("long.txt", 1), std::string(475, 'a').c_str());
  EXPECT_EQ(GetFileLine("long.txt", 2), "end");

  PutFileLine("cut.txt", 0, std::string(2000, 'b').c_str());
  PutFileLine("cut.txt", 1, RuntimeString("x\0y", 3));
  EXPECT_EQ(GetFileLine("cut.txt", 0).length(), 1023u);
  LineFiles().Release();
  EXPECT_EQ(ReadFile("cut.txt"), std::string(1023, 'b') + "\r\nx\r\n");
}

TEST_F(StoresTest, AFullLineReadsBackAsOneLine) {
  const std::string full(1023, 'f');
  PutFileLine("full.txt", 0, full.c_str());
  PutFileLine("full.txt", 1, "next");
  LineFiles().Release();
  EXPECT_EQ(GetFileLine("full.txt", 0), full.c_str());
  EXPECT_EQ(GetFileLine("full.txt", 1), "next");
  EXPECT_EQ(LineFiles().LastLine(), 1);
}

TEST_F(StoresTest, AtMost256LinesAreTaken) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += std::to_string(i) + "\n";
  WriteFile("many.txt", text);
  EXPECT_EQ(GetFileLine("many.txt", 255), "255");
  EXPECT_EQ(LineFiles().LastLine(), 255);
}

TEST_F(StoresTest, AnUnchangedLineFileIsNotRewritten) {
  WriteFile("as-is.txt", "a\nb");
  EXPECT_EQ(GetFileLine("as-is.txt", 1), "b");
  GetFileLine("other.txt", 0);
  EXPECT_EQ(ReadFile("as-is.txt"), "a\nb");
}

TEST_F(StoresTest, LineFilesComeFromThePackAndMemoryFilesAndGoOnlyToDisk) {
  UsePack({PackFile("lines.txt", "packed 0\r\npacked 1\r\n")});
  EXPECT_EQ(GetFileLine("lines.txt", 1), "packed 1");
  PutFileLine("lines.txt", 2, "on disk");
  LineFiles().Release();
  EXPECT_EQ(ReadFile("lines.txt"), "packed 0\r\npacked 1\r\non disk\r\n");

  const MemoryFile memory = test::PublishBytes(std::string("in memory\n"));
  EXPECT_EQ(GetFileLine(memory.Name().c_str(), 0), "in memory");
  PutFileLine(memory.Name().c_str(), 0, "changed");
  const auto before = FolderEntries();
  LineFiles().Release();
  EXPECT_EQ(FolderEntries(), before);
}

TEST_F(StoresTest, ALineFileWriteThatFailsHalfwayLeavesTheOldFile) {
  const std::string original = "old 0\r\nold 1\r\n";
  WriteFile("keep.txt", original);
  for (int n = 0; n < 200; ++n) PutFileLine("keep.txt", n, std::string(1000, 'x').c_str());
  WriteFile("next.txt", "next\r\n");
  WithFileSizeLimit(4096, [] { EXPECT_EQ(GetFileLine("next.txt", 0), "next"); });
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_EQ(ReadFile("keep.txt"), original);
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"keep.txt", "next.txt"}));
}

}  // namespace
}  // namespace vdr
