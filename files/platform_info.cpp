#include "files/platform_info.h"

#include <algorithm>
#include <cstdio>

#include "files/locale_code.h"
#include "files/platform_paths.h"
#include "files/system_services.h"
#include "runtime/ascii.h"
#include "runtime/string_commands.h"

namespace vdr {
namespace {

GlEntryQuery g_glEntryQuery = nullptr;

constexpr std::string_view kGlExtensionKey = "GLEXT:";

int HexDigit(char c) {
  const unsigned char lower = AsciiLower(static_cast<unsigned char>(c));
  if (lower >= '0' && lower <= '9') return lower - '0';
  if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return -1;
}

std::string VolumeId() {
  uint8_t id[4];
  if (!UuidLeadingBytes(RootVolumeUuid(), id)) RootFileSystemId(id);
  return VolumeIdText(id);
}

std::string LocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  localtime_r(&now, &local);
  return DateTimeText(local);
}

std::string BatteryText() {
  const int32_t percent = BatteryPercent();
  return std::to_string(percent < 0 || percent > 100 ? 100 : percent);
}

std::string TempFolderText() {
  std::string folder = TempFolder();
  if (folder.size() > 1) folder.pop_back();
  return folder;
}

// The quoted value of a user-dirs.dirs line, "\" escaping the next character.
std::string QuotedValue(std::string_view text) {
  std::string value;
  if (text.empty() || text[0] != '"') return value;
  for (size_t i = 1; i < text.size() && text[i] != '"'; ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) ++i;
    value += text[i];
  }
  return value;
}

}  // namespace

void SetGlEntryQuery(GlEntryQuery query) { g_glEntryQuery = query; }

std::string VolumeIdText(const uint8_t id[4]) {
  char text[9];
  std::snprintf(text, sizeof text, "%02X%02X%02X%02X", id[0], id[1], id[2], id[3]);
  return text;
}

bool UuidLeadingBytes(std::string_view uuid, uint8_t id[4]) {
  int digits = 0;
  uint8_t bytes[4] = {};
  for (size_t i = 0; i < uuid.size() && digits < 8; ++i) {
    if (uuid[i] == '-') continue;
    const int digit = HexDigit(uuid[i]);
    if (digit < 0) return false;
    bytes[digits / 2] = static_cast<uint8_t>(bytes[digits / 2] << 4 | digit);
    ++digits;
  }
  if (digits < 8) return false;
  for (int i = 0; i < 4; ++i) id[i] = bytes[i];
  return true;
}

std::string DateTimeText(const std::tm& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", time.tm_year + 1900, time.tm_mon + 1,
                time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
  return text;
}

std::string DocumentsFolder(std::string_view userDirs, const std::string& home) {
  constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
  std::string folder;
  while (!userDirs.empty()) {
    const size_t feed = userDirs.find('\n');
    std::string_view line = userDirs.substr(0, feed);
    userDirs.remove_prefix(feed == std::string_view::npos ? userDirs.size() : feed + 1);
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (line.substr(0, kKey.size()) == kKey) folder = QuotedValue(line.substr(kKey.size()));
  }
  if (folder.rfind("$HOME", 0) == 0 && (folder.size() == 5 || folder[5] == '/')) folder = home + folder.substr(5);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  // "$HOME/" alone switches the folder off; anything but an absolute path is unusable.
  return folder.empty() || folder.front() != '/' ? home : folder;
}

std::string PlatformAnswer(std::string_view key) {
  const std::string upper(UpperText(RuntimeString(key.data(), static_cast<uint32_t>(key.size()))).view());
  if (upper.empty()) return "LINUX";
  if (upper.rfind(kGlExtensionKey, 0) == 0) {
    const std::string name(key.substr(kGlExtensionKey.size()));
    return g_glEntryQuery != nullptr && !name.empty() && g_glEntryQuery(name.c_str()) ? "1" : "0";
  }
  if (upper == "ID") return VolumeId();
  if (upper == "DEVICE") return "DESKTOP";
  if (upper == "TIME") return LocalTime();
  if (upper == "BATTERY") return BatteryText();
  if (upper == "COMPILED") return __DATE__;
  if (upper == "LOCALE") return LocaleCode(UserLocaleName());
  if (upper == "DOCUMENTS") return DocumentsFolder(UserDirsText(), HomeFolder());
  if (upper == "TEMP") return TempFolderText();
  return "NO_DATA";
}

}  // namespace vdr
