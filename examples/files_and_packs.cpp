// Files, packs, channels and settings: counts its runs in a settings file,
// writes a line file through a file channel and reads it back, reads a text
// that the build packed into the executable, and lists the text files of
// the current folder. Escape or closing the window ends it.

#include "vendril.h"

namespace {

constexpr int kChannel = 1;
constexpr int kBackground = vdr::Rgb(245, 240, 225);
constexpr int kHeading = vdr::Rgb(150, 40, 30);

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  settings.captureMouse = 0;
  settings.windowTitle = "Vendril files and packs";
}

// The settings file is kept in memory and written back when the program ends.
vdr::RuntimeString CountRun() {
  vdr::IniOpen("files_and_packs.ini");
  const int32_t runs = vdr::TextToInteger(vdr::IniGet("example", "runs", "0").c_str()) + 1;
  vdr::IniPut("example", "runs", vdr::IntegerText(runs));
  return "Run number " + vdr::IntegerText(runs) + " (files_and_packs.ini)";
}

// Mode 0 creates the file, 1 reads it; every name that is not on disk is
// looked for in the pack.
void ReadLines(const vdr::RuntimeString& name, vdr::RuntimeArray<vdr::RuntimeString>& lines) {
  if (!vdr::OpenFile(kChannel, name, 1)) {
    lines.Push(name + ": cannot open");
    return;
  }
  while (!vdr::EndOfFile(kChannel)) {
    vdr::RuntimeString line;
    vdr::ReadLine(kChannel, line);
    lines.Push(line);
  }
  vdr::CloseFile(kChannel);
}

void WriteNotes() {
  vdr::OpenFile(kChannel, "notes.txt", 0);
  vdr::WriteLine(kChannel, "Written through channel 1,");
  vdr::WriteLine(kChannel, "read back the same way.");
  vdr::CloseFile(kChannel);
}

int PrintSection(const vdr::RuntimeString& heading, const vdr::RuntimeArray<vdr::RuntimeString>& lines, int y) {
  vdr::DrawRect(16, y + 2, 4, 8, kHeading);
  vdr::PrintText(heading, 28, y);
  for (int32_t i = 0; i < lines.Count(); ++i) vdr::PrintText(lines[i], 40, y += 16);
  return y + 28;
}

void Main() {
  const vdr::RuntimeString runs = CountRun();
  WriteNotes();
  vdr::RuntimeArray<vdr::RuntimeString> notes, poem, files;
  ReadLines("notes.txt", notes);
  ReadLines("poem.txt", poem);
  const int32_t found = vdr::FileList("*.txt", files);
  // FileList gives the folders first, then the files: the low 16 bits count
  // the files.
  vdr::RuntimeArray<vdr::RuntimeString> textFiles;
  for (int32_t i = files.Count() - (found & 0xFFFF); i < files.Count(); ++i) textFiles.Push(files[i]);

  vdr::ClearScreen(kBackground);
  for (;;) {
    int y = PrintSection(runs, {}, 16);
    y = PrintSection("notes.txt, a file on disk:", notes, y);
    y = PrintSection("poem.txt, from the pack attached to the executable:", poem, y);
    y = PrintSection("Text files here:", textFiles, y);
    vdr::PrintText("Escape ends.", 16, 456);
    vdr::ShowScreen();
  }
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
