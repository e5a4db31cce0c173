// The chooser's logic without a window: the line editor, filters, listings,
// the selection and scroll state, the layout and the keyboard and mouse
// rules.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "files/file_system.h"
#include "files/platform_paths.h"
#include "modal/chooser/chooser_controls.h"
#include "modal/chooser/chooser_entries.h"
#include "modal/chooser/chooser_layout.h"
#include "modal/chooser/file_chooser.h"
#include "modal/chooser/file_filter.h"
#include "input/line_editor.h"

namespace vdr {
namespace {

// Line editor

TEST(LineEditorTest, EditsOneCharacterPerFrameUntilEnter) {
  LineEditor editor("ab");
  for (uint8_t c : {'c', '\b', '\b', '\b', '\b', 'x', '\0', 'y'}) EXPECT_FALSE(editor.Frame(c));
  EXPECT_EQ(editor.Text(), "xy");
  EXPECT_TRUE(editor.Frame(10));
  EXPECT_EQ(editor.Text(), "xy");
}

TEST(LineEditorTest, CursorTogglesAfter21FramesWithoutACharacter) {
  LineEditor editor("ab");
  for (int frame = 0; frame < 20; ++frame) editor.Frame(0);
  EXPECT_FALSE(editor.CursorOn());
  editor.Frame(0);
  EXPECT_TRUE(editor.CursorOn());
  EXPECT_EQ(editor.Shown(), "ab_");
  // A character starts the count again; the cursor keeps its state.
  for (int frame = 0; frame < 20; ++frame) editor.Frame(0);
  editor.Frame('c');
  for (int frame = 0; frame < 20; ++frame) editor.Frame(0);
  EXPECT_TRUE(editor.CursorOn());
  editor.Frame(0);
  EXPECT_FALSE(editor.CursorOn());
  EXPECT_EQ(editor.Shown(), "abc");
}

// Filters

TEST(FileFilterTest, ParsesPairsOfDescriptionAndWildcards) {
  using Filters = std::vector<FileFilter>;
  const FileFilter all{"All files (*.*)", {"*.*"}};
  const struct {
    const char* text;
    Filters filters;
  } cases[] = {
      {"Pictures|*.png;*.jpg|All files|*.*", {{"Pictures", {"*.png", "*.jpg"}}, {"All files", {"*.*"}}}},
      {" Pictures | *.png ; *.bmp ;; |", {{"Pictures", {"*.png", "*.bmp"}}}},
      {"Text|*.txt|", {{"Text", {"*.txt"}}}},
      {"Text|*.txt|Orphan", {{"Text", {"*.txt"}}}},
      {"|*.dat", {{"*.dat", {"*.dat"}}}},
      {"None||Data|*.dat", {{"Data", {"*.dat"}}}},
      {"", {all}},
      {"Nothing|", {all}},
      {"Blank| ; |", {all}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseFileFilter(c.text), c.filters) << '"' << c.text << '"';
}

TEST(FileFilterTest, MatchesAnyOfItsWildcardsByTheListingRule) {
  const FileFilter pictures = ParseFileFilter("Pictures|*.png;*.JPG;a?c")[0];
  for (const char* name : {"a.PNG", "b.jpg", "abc", "x.y.png"}) EXPECT_TRUE(MatchesFileFilter(pictures, name)) << name;
  for (const char* name : {"c.gif", "a.c", "png", "a.png.txt"}) EXPECT_FALSE(MatchesFileFilter(pictures, name)) << name;
  EXPECT_TRUE(MatchesFileFilter(ParseFileFilter("")[0], "README"));
}

// Listings

RuntimeArray<RuntimeString> Listing(const std::vector<const char*>& names) {
  RuntimeArray<RuntimeString> array;
  array.Dim(static_cast<int32_t>(names.size()));
  for (size_t i = 0; i < names.size(); ++i) array[static_cast<int32_t>(i)] = names[i];
  return array;
}

TEST(ChooserEntriesTest, WayUpThenFoldersThenMatchingFiles) {
  using Entries = std::vector<ChooserEntry>;
  const FileFilter png = ParseFileFilter("Pictures|*.png")[0];
  const auto listing = Listing({".", "..", "Media", "a.png", "b.PNG", "c.txt"});
  const int32_t count = 3 + 3 * 65536;
  EXPECT_EQ(EntriesFromListing(listing, count, png, false),
            (Entries{{"..", true}, {"Media", true}, {"a.png", false}, {"b.PNG", false}}));
  EXPECT_EQ(EntriesFromListing(listing, count, png, true), (Entries{{"Media", true}, {"a.png", false}, {"b.PNG", false}}));
  // A file named like a folder stays a file; an empty folder still offers the way up.
  EXPECT_EQ(EntriesFromListing(Listing({".", "..", "Media.png"}), 1 + 2 * 65536, png, false),
            (Entries{{"..", true}, {"Media.png", false}}));
  EXPECT_EQ(EntriesFromListing(Listing({}), 0, png, false), (Entries{{"..", true}}));
}

TEST(ChooserEntriesTest, FolderCountHoldsBeyond65535Files) {
  std::vector<const char*> names{".", "..", "sub"};
  names.resize(3 + 70000, "f.png");
  const auto entries = EntriesFromListing(Listing(names), 70000 + 3 * 65536, ParseFileFilter("")[0], false);
  ASSERT_EQ(entries.size(), 2u + 70000u);
  EXPECT_EQ(entries[1], (ChooserEntry{"sub", true}));
  EXPECT_EQ(entries[2], (ChooserEntry{"f.png", false}));
}

TEST(ChooserEntriesTest, ListsTheCurrentFolderIgnoringCase) {
  const std::string folder = TempFolder() + "listing/";
  ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
  for (const char* sub : {"zeta", "Media", "alpha"}) ASSERT_EQ(::mkdir((folder + sub).c_str(), 0777), 0);
  for (const char* file : {"b.PNG", "a.png", "C.jpg", "notes.txt"}) std::ofstream(folder + file) << "x";
  const RuntimeString before = CurrentDir();
  ASSERT_EQ(ChangeDirectory(folder.c_str()), 1);
  const auto entries = ListCurrentFolder(ParseFileFilter("Pictures|*.png;*.jpg")[0]);
  ChangeDirectory(before);
  EXPECT_EQ(entries, (std::vector<ChooserEntry>{{"..", true},
                                                {"alpha", true},
                                                {"Media", true},
                                                {"zeta", true},
                                                {"a.png", false},
                                                {"b.PNG", false},
                                                {"C.jpg", false}}));
}

// Selection and scrolling

std::vector<ChooserEntry> Entries(int folders, int files) {
  std::vector<ChooserEntry> entries{{"..", true}};
  for (int i = 0; i < folders; ++i) entries.push_back({"dir" + std::to_string(i), true});
  for (int i = 0; i < files; ++i) entries.push_back({"file" + std::to_string(i) + ".txt", false});
  return entries;
}

FileChooser Chooser(ChooserMode mode, int folders, int files, int rows, const char* filter = "") {
  FileChooser chooser(mode, ParseFileFilter(filter));
  chooser.SetVisibleRows(rows);
  chooser.SetEntries(Entries(folders, files));
  return chooser;
}

const ChooserOutcome kStay{};
ChooserOutcome Enter(const char* name) { return {ChooserOutcome::kEnterFolder, name}; }
ChooserOutcome Choose(const char* name) { return {ChooserOutcome::kChoose, name}; }

TEST(FileChooserTest, KeysMoveTheHighlightAndTheRowsFollow) {
  FileChooser chooser = Chooser(ChooserMode::kOpen, 2, 20, 5);  // 23 entries
  EXPECT_EQ(chooser.Highlighted(), 1);  // past the way up
  const struct {
    ChooserKey key;
    int32_t highlighted, top;
  } steps[] = {
      {ChooserKey::kUp, 0, 0},        {ChooserKey::kUp, 0, 0},         {ChooserKey::kPageDown, 4, 0},
      {ChooserKey::kDown, 5, 1},      {ChooserKey::kPageDown, 9, 5},   {ChooserKey::kEnd, 22, 18},
      {ChooserKey::kDown, 22, 18},    {ChooserKey::kPageUp, 18, 18},   {ChooserKey::kUp, 17, 17},
      {ChooserKey::kHome, 0, 0},
  };
  for (const auto& step : steps) {
    EXPECT_EQ(chooser.Key(step.key), kStay);
    EXPECT_EQ(chooser.Highlighted(), step.highlighted) << static_cast<int>(step.key);
    EXPECT_EQ(chooser.Top(), step.top) << static_cast<int>(step.key);
  }
}

TEST(FileChooserTest, ScrollingMovesTheRowsButNotTheHighlight) {
  FileChooser chooser = Chooser(ChooserMode::kOpen, 0, 9, 4);  // 10 entries
  chooser.Scroll(3);
  EXPECT_EQ(chooser.Top(), 3);
  chooser.Scroll(100);
  EXPECT_EQ(chooser.Top(), 6);
  chooser.ScrollTo(-5);
  EXPECT_EQ(chooser.Top(), 0);
  EXPECT_EQ(chooser.Highlighted(), 1);
  // Fewer rows shown (a smaller font or window) keep the highlight in view.
  chooser.Key(ChooserKey::kEnd);
  chooser.SetVisibleRows(2);
  EXPECT_EQ(chooser.Top(), 8);
  EXPECT_EQ(Chooser(ChooserMode::kOpen, 0, 2, 10).Top(), 0);
}

TEST(FileChooserTest, OpeningEntersFoldersChoosesFilesGoesUpAndCancels) {
  FileChooser chooser = Chooser(ChooserMode::kOpen, 1, 2, 10);  // .., dir0, file0.txt, file1.txt
  EXPECT_EQ(chooser.Typed(10), Enter("dir0"));
  chooser.Key(ChooserKey::kDown);
  EXPECT_EQ(chooser.Confirm(), Choose("file0.txt"));
  EXPECT_EQ(chooser.ActivateRow(0), Enter(".."));
  EXPECT_EQ(chooser.ActivateRow(3), Choose("file1.txt"));
  EXPECT_EQ(chooser.ActivateRow(4), kStay);
  EXPECT_EQ(chooser.Typed(8), Enter(".."));
  EXPECT_EQ(chooser.Key(ChooserKey::kEscape), (ChooserOutcome{ChooserOutcome::kCancel, {}}));
  // Nothing listed: Enter does nothing.
  chooser.SetEntries({});
  EXPECT_EQ(chooser.Highlighted(), -1);
  EXPECT_EQ(chooser.Typed(10), kStay);
  chooser.Key(ChooserKey::kDown);
  EXPECT_EQ(chooser.Highlighted(), -1);
}

TEST(FileChooserTest, GoingUpHighlightsTheFolderJustLeft) {
  FileChooser chooser = Chooser(ChooserMode::kOpen, 0, 0, 3);
  chooser.SetEntries(Entries(30, 0), "dir17");
  EXPECT_EQ(chooser.Highlighted(), 18);
  EXPECT_EQ(chooser.Top(), 16);
  chooser.SetEntries(Entries(30, 0), "gone");
  EXPECT_EQ(chooser.Highlighted(), 1);
}

TEST(FileChooserTest, TypingWhileOpeningJumpsToTheNextEntryWithThatLetter) {
  FileChooser chooser(ChooserMode::kOpen, ParseFileFilter(""));
  chooser.SetEntries({{"..", true}, {"Music", true}, {"apple", false}, {"mango", false}, {"melon", false}});
  const struct {
    uint8_t c;
    int32_t highlighted;
  } steps[] = {{'m', 3}, {'M', 4}, {'m', 1}, {'a', 2}, {'z', 2}};
  for (const auto& step : steps) {
    chooser.Typed(step.c);
    EXPECT_EQ(chooser.Highlighted(), step.highlighted) << step.c;
  }
}

TEST(FileChooserTest, SavingTypesANameThatEnterChooses) {
  FileChooser chooser = Chooser(ChooserMode::kSave, 1, 1, 10);  // .., dir0, file0.txt
  for (uint8_t c : {'n', '/', 'e', '\\', 'w', 'x', '\b'}) EXPECT_EQ(chooser.Typed(c), kStay);
  EXPECT_EQ(chooser.Name().Text(), "new");
  EXPECT_TRUE(chooser.NameFocused());
  EXPECT_EQ(chooser.Typed(10), Choose("new"));
  // Backspace empties the name, then goes up.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(chooser.Typed(8), kStay);
  EXPECT_EQ(chooser.Typed(8), Enter(".."));
  EXPECT_EQ(chooser.Typed(10), kStay);  // no name, and the highlight on a folder is not in use
}

TEST(FileChooserTest, SavingOverAHighlightedFileOrIntoAFolder) {
  FileChooser chooser = Chooser(ChooserMode::kSave, 1, 2, 10);  // .., dir0, file0.txt, file1.txt
  chooser.Key(ChooserKey::kDown);
  EXPECT_EQ(chooser.Name().Text(), "file0.txt");
  EXPECT_FALSE(chooser.NameFocused());
  chooser.Key(ChooserKey::kUp);  // a folder leaves the name as it is
  EXPECT_EQ(chooser.Name().Text(), "file0.txt");
  EXPECT_EQ(chooser.Confirm(), Enter("dir0"));
  // In the new folder the name is still the one to save.
  chooser.SetEntries(Entries(1, 0));
  EXPECT_TRUE(chooser.NameFocused());
  EXPECT_EQ(chooser.Typed(10), Choose("file0.txt"));
  EXPECT_EQ(chooser.ActivateRow(0), Enter(".."));
}

TEST(FileChooserTest, SavingUnderAFolderNameEntersTheFolder) {
  FileChooser chooser = Chooser(ChooserMode::kSave, 1, 0, 10);
  const struct {
    const char* typed;
    ChooserOutcome outcome;
    const char* nameAfter;
  } cases[] = {{"dir0", Enter("dir0"), ""}, {"..", Enter(".."), ""}, {".", kStay, "."}, {"dir", Choose("dir"), "dir"}};
  for (const auto& c : cases) {
    for (const char* p = c.typed; *p != 0; ++p) chooser.Typed(static_cast<uint8_t>(*p));
    EXPECT_EQ(chooser.Typed(10), c.outcome) << c.typed;
    EXPECT_EQ(chooser.Name().Text(), c.nameAfter) << c.typed;
    while (!chooser.Name().Text().empty()) chooser.Typed(8);
  }
}

TEST(FileChooserTest, SavedNamesStopAt255Bytes) {
  FileChooser chooser = Chooser(ChooserMode::kSave, 0, 0, 10);
  for (int i = 0; i < 300; ++i) chooser.Typed('a');
  EXPECT_EQ(chooser.Name().Text().size(), 255u);
}

TEST(FileChooserTest, FiltersChangeInACircle) {
  FileChooser chooser = Chooser(ChooserMode::kOpen, 0, 0, 10, "A|*.a|B|*.b|C|*.c");
  const ChooserOutcome relist{ChooserOutcome::kRelist, {}};
  EXPECT_EQ(chooser.Key(ChooserKey::kPreviousFilter), relist);
  EXPECT_EQ(chooser.Filter().description, "C");
  EXPECT_EQ(chooser.Key(ChooserKey::kNextFilter), relist);
  EXPECT_EQ(chooser.Key(ChooserKey::kNextFilter), relist);
  EXPECT_EQ(chooser.FilterIndex(), 1);
  EXPECT_EQ(Chooser(ChooserMode::kOpen, 0, 0, 10, "A|*.a").Key(ChooserKey::kNextFilter), kStay);
}

// Layout

bool Inside(const ChooserRect& inner, const ChooserRect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.Right() <= outer.Right() && inner.Bottom() <= outer.Bottom();
}
bool Apart(const ChooserRect& a, const ChooserRect& b) {
  return a.Right() <= b.x || b.Right() <= a.x || a.Bottom() <= b.y || b.Bottom() <= a.y;
}

TEST(ChooserLayoutTest, PartsStayInsideThePanelAndApart) {
  const struct {
    int32_t width, height, cellWidth, cellHeight;
    bool save;
  } cases[] = {
      {320, 240, 8, 8, false}, {320, 240, 8, 8, true},   {480, 320, 8, 8, true},    {640, 480, 16, 16, true},
      {1920, 1080, 8, 16, false}, {800, 600, 0, 0, true}, {400, 300, 12, 24, false},
  };
  for (const auto& c : cases) {
    const ChooserLayout l = LayOutChooser(c.width, c.height, c.cellWidth, c.cellHeight, c.save);
    const std::string where = std::to_string(c.width) + "x" + std::to_string(c.height) + " cell " +
                              std::to_string(c.cellWidth) + "x" + std::to_string(c.cellHeight);
    EXPECT_TRUE(Inside(l.panel, {0, 0, c.width, c.height})) << where;
    EXPECT_GE(l.visibleRows, 1) << where;
    EXPECT_LE(l.visibleRows, 20) << where;
    EXPECT_EQ(l.rows.h, l.visibleRows * l.rowHeight) << where;
    EXPECT_GE(l.rowHeight, l.cellHeight) << where;
    std::vector<ChooserRect> parts{l.titleBar, l.pathLine, l.list, l.filterField, l.okButton, l.cancelButton};
    if (c.save) parts.push_back(l.nameField);
    if (l.hintLine.w > 0) parts.push_back(l.hintLine);
    for (size_t i = 0; i < parts.size(); ++i) {
      EXPECT_TRUE(Inside(parts[i], l.panel)) << where << " part " << i;
      for (size_t j = i + 1; j < parts.size(); ++j) EXPECT_TRUE(Apart(parts[i], parts[j])) << where << " " << i << "/" << j;
    }
    EXPECT_TRUE(Inside(l.rows, l.list)) << where;
    EXPECT_TRUE(Inside(l.scrollTrack, l.list)) << where;
    EXPECT_TRUE(Apart(l.rows, l.scrollTrack)) << where;
    EXPECT_EQ(l.hasNameField, c.save);
    // Room for "Cancel" and a name of 20 characters.
    EXPECT_GE(l.Columns(l.cancelButton.w), 6) << where;
    EXPECT_GE(l.Columns(l.rows.w), 20) << where;
  }
  // A screen too small for the panel still gets one row.
  EXPECT_EQ(LayOutChooser(60, 40, 8, 8, true).visibleRows, 1);
}

TEST(ChooserLayoutTest, HitTestFindsRowsButtonsAndTheScrollBar) {
  const ChooserLayout l = LayOutChooser(640, 480, 8, 8, true);
  const int32_t count = 50, top = 10;
  const ChooserRect third = l.Row(2);
  EXPECT_EQ(HitTest(l, third.x + 3, third.y, top, count), (ChooserHit{ChooserPart::kRow, 12}));
  EXPECT_EQ(HitTest(l, third.x + 3, third.Bottom() - 1, top, count), (ChooserHit{ChooserPart::kRow, 12}));
  EXPECT_EQ(HitTest(l, third.x + 3, third.y, 0, 2), ChooserHit{});  // below the last entry
  EXPECT_EQ(HitTest(l, l.okButton.x, l.okButton.y, top, count).part, ChooserPart::kOk);
  EXPECT_EQ(HitTest(l, l.cancelButton.Right() - 1, l.cancelButton.Bottom() - 1, top, count).part, ChooserPart::kCancel);
  EXPECT_EQ(HitTest(l, l.nameField.x + 1, l.nameField.y + 1, top, count).part, ChooserPart::kNameField);
  EXPECT_EQ(HitTest(l, l.filterField.x + 1, l.filterField.y + 1, top, count).part, ChooserPart::kFilterField);
  EXPECT_EQ(HitTest(l, l.panel.x + 1, l.panel.y + 1, top, count), ChooserHit{});
  EXPECT_EQ(HitTest(l, 0, 0, top, count), ChooserHit{});

  const ThumbSpan thumb = ScrollThumb(l, top, count);
  const int32_t x = l.scrollTrack.x + 1;
  EXPECT_EQ(HitTest(l, x, thumb.y, top, count).part, ChooserPart::kThumb);
  EXPECT_EQ(HitTest(l, x, thumb.y - 1, top, count).part, ChooserPart::kTrackAbove);
  EXPECT_EQ(HitTest(l, x, thumb.y + thumb.h, top, count).part, ChooserPart::kTrackBelow);
  EXPECT_EQ(HitTest(l, x, thumb.y, 0, l.visibleRows), ChooserHit{});  // everything fits: no thumb
}

TEST(ChooserLayoutTest, ThumbSpansTheTrackAndDraggingItFindsTheRows) {
  const ChooserLayout l = LayOutChooser(320, 240, 8, 8, false);
  for (int32_t count : {l.visibleRows + 1, 40, 5000}) {
    const int32_t last = count - l.visibleRows;
    EXPECT_EQ(ScrollThumb(l, 0, count).y, l.scrollTrack.y) << count;
    const ThumbSpan end = ScrollThumb(l, last, count);
    EXPECT_EQ(end.y + end.h, l.scrollTrack.Bottom()) << count;
    EXPECT_GE(end.h, l.cellHeight) << count;
    for (int32_t top = 0; top <= last; top += std::max(1, last / 37)) {
      const ThumbSpan thumb = ScrollThumb(l, top, count);
      const int32_t found = TopForThumb(l, thumb.y, count);
      // The thumb moves in whole pixels: with more rows than pixels it finds the nearest row it can show.
      EXPECT_NEAR(found, top, std::max(1, last / (l.scrollTrack.h - thumb.h))) << count;
      EXPECT_EQ(ScrollThumb(l, found, count), thumb) << count;
    }
    EXPECT_EQ(TopForThumb(l, -100, count), 0);
    EXPECT_EQ(TopForThumb(l, 10000, count), last);
  }
  EXPECT_EQ(ScrollThumb(l, 0, l.visibleRows).h, 0);
  EXPECT_EQ(TopForThumb(l, 50, 3), 0);
}

TEST(ChooserLayoutTest, TextIsCutToFit) {
  const struct {
    const char* text;
    int32_t columns;
    const char* end;
    const char* start;
  } cases[] = {
      {"picture.png", 20, "picture.png", "picture.png"}, {"picture.png", 11, "picture.png", "picture.png"},
      {"picture.png", 10, "picture...", "...ure.png"},  {"/home/me/games/", 8, "/home...", "...ames/"},
      {"abcdef", 3, "abc", "def"},                       {"abcdef", 0, "", ""},
      {"abcdef", -4, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitEnd(c.text, c.columns), c.end) << c.text << " " << c.columns;
    EXPECT_EQ(FitStart(c.text, c.columns), c.start) << c.text << " " << c.columns;
  }
}

// Keyboard and mouse

struct FakeKeys {
  bool held[256] = {};
  KeyHeldFn Fn() {
    return [this](uint8_t code) { return held[code]; };
  }
};

constexpr uint8_t kDown = 208, kEscape = 1, kTab = 15, kShift = 42;

TEST(ChooserKeyboardTest, KeysHeldAtTheStartActOnlyWhenPressedAgain) {
  FakeKeys keys;
  keys.held[kEscape] = true;
  ChooserKeyboard keyboard(keys.Fn());
  EXPECT_TRUE(keyboard.Frame(keys.Fn()).empty());
  keys.held[kEscape] = false;
  EXPECT_TRUE(keyboard.Frame(keys.Fn()).empty());
  keys.held[kEscape] = true;
  EXPECT_EQ(keyboard.Frame(keys.Fn()), std::vector<ChooserKey>{ChooserKey::kEscape});
  EXPECT_TRUE(keyboard.Frame(keys.Fn()).empty());  // no repeat
}

TEST(ChooserKeyboardTest, MovingKeysRepeatWhileHeld) {
  FakeKeys keys;
  ChooserKeyboard keyboard(keys.Fn());
  keys.held[kDown] = true;
  std::vector<int> firing;
  for (int frame = 1; frame <= 30; ++frame) {
    if (!keyboard.Frame(keys.Fn()).empty()) firing.push_back(frame);
  }
  EXPECT_EQ(firing, (std::vector<int>{1, 23, 26, 29}));
}

TEST(ChooserKeyboardTest, TabChangesTheFilterAndShiftTabGoesBack) {
  FakeKeys keys;
  ChooserKeyboard keyboard(keys.Fn());
  keys.held[kTab] = true;
  EXPECT_EQ(keyboard.Frame(keys.Fn()), std::vector<ChooserKey>{ChooserKey::kNextFilter});
  keys.held[kTab] = false;
  keyboard.Frame(keys.Fn());
  keys.held[kTab] = keys.held[kShift] = true;
  EXPECT_EQ(keyboard.Frame(keys.Fn()), std::vector<ChooserKey>{ChooserKey::kPreviousFilter});
}

class ChooserMouseTest : public testing::Test {
 protected:
  ChooserOutcome At(const ChooserRect& r, bool left, double ms = 0, int32_t wheel = 0) {
    return mouse.Frame({r.x + 2, r.y + 2, left, left ? 1 : 0, wheel, ms}, layout, chooser);
  }
  ChooserOutcome Click(const ChooserRect& r, double ms) {
    const ChooserOutcome pressed = At(r, true, ms);
    const ChooserOutcome released = At(r, false, ms + 10);
    return pressed.kind != ChooserOutcome::kStay ? pressed : released;
  }

  ChooserLayout layout = LayOutChooser(320, 240, 8, 8, false);
  FileChooser chooser = Chooser(ChooserMode::kOpen, 1, 40, layout.visibleRows);
  ChooserMouse mouse{false};
};

TEST_F(ChooserMouseTest, AClickHighlightsAndASecondOneSoonAfterOpens) {
  EXPECT_EQ(Click(layout.Row(3), 1000), kStay);
  EXPECT_EQ(chooser.Highlighted(), 3);
  EXPECT_EQ(Click(layout.Row(3), 1700), kStay);  // too late for a double click
  EXPECT_EQ(Click(layout.Row(2), 1900), kStay);  // another row
  EXPECT_EQ(Click(layout.Row(3), 2000), kStay);
  EXPECT_EQ(Click(layout.Row(3), 2400), Choose("file1.txt"));
  EXPECT_EQ(Click(layout.Row(1), 3000), kStay);
  EXPECT_EQ(Click(layout.Row(1), 3100), Enter("dir0"));
}

TEST_F(ChooserMouseTest, TwoPressesWithinOneFrameAreADoubleClick) {
  chooser.Highlight(0);
  const ChooserRect row = layout.Row(3);
  EXPECT_EQ(mouse.Frame({row.x + 2, row.y + 2, true, 2, 0, 5000}, layout, chooser), Choose("file1.txt"));
}

TEST_F(ChooserMouseTest, ButtonsActWhenLetGoOverThem) {
  chooser.Highlight(2);
  EXPECT_EQ(At(layout.okButton, true), kStay);
  EXPECT_EQ(mouse.Pressed().part, ChooserPart::kOk);
  EXPECT_EQ(At(layout.okButton, false), Choose("file0.txt"));
  // Pressed on Cancel, let go elsewhere: nothing.
  At(layout.cancelButton, true);
  EXPECT_EQ(At(layout.titleBar, false), kStay);
  EXPECT_EQ(Click(layout.cancelButton, 0), (ChooserOutcome{ChooserOutcome::kCancel, {}}));
}

TEST_F(ChooserMouseTest, AButtonHeldAtTheStartDoesNotClick) {
  ChooserMouse held(true);
  EXPECT_EQ(held.Frame({layout.okButton.x + 2, layout.okButton.y + 2, true, 0, 0}, layout, chooser), kStay);
  EXPECT_EQ(held.Frame({layout.okButton.x + 2, layout.okButton.y + 2, false, 0, 0}, layout, chooser), kStay);
}

TEST_F(ChooserMouseTest, WheelTrackAndThumbScroll) {
  At(layout.titleBar, false, 0, -1);  // towards the user: down
  EXPECT_EQ(chooser.Top(), 3);
  At(layout.titleBar, false, 0, 1);
  EXPECT_EQ(chooser.Top(), 0);
  const int32_t count = static_cast<int32_t>(chooser.Entries().size());
  const int32_t x = layout.scrollTrack.x + 2;
  mouse.Frame({x, layout.scrollTrack.Bottom() - 1, true, 0, 0}, layout, chooser);
  EXPECT_EQ(chooser.Top(), layout.visibleRows - 1);
  mouse.Frame({x, layout.scrollTrack.Bottom() - 1, false, 0, 0}, layout, chooser);
  // Dragging the thumb to the bottom shows the last rows.
  const ThumbSpan thumb = ScrollThumb(layout, chooser.Top(), count);
  mouse.Frame({x, thumb.y + 1, true, 0, 0}, layout, chooser);
  EXPECT_TRUE(mouse.Dragging());
  mouse.Frame({x, layout.scrollTrack.Bottom() + 50, true, 0, 0}, layout, chooser);
  EXPECT_EQ(chooser.Top(), count - layout.visibleRows);
  mouse.Frame({x, 0, false, 0, 0}, layout, chooser);
  EXPECT_FALSE(mouse.Dragging());
  EXPECT_EQ(chooser.Highlighted(), 1);
}

}  // namespace
}  // namespace vdr
