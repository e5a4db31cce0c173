#pragma once
// The answers of platform information, by key, with the pieces that turn
// what the system reports into their text forms.

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace vdr {

// The key is taken without regard to letter case:
//   ""            "LINUX"
//   "GLEXT:name"  "1" when the OpenGL driver has an entry point of that name
//                 (its case kept), else "0" (also before a window exists)
//   "ID"          the root file system's id, VolumeIdText
//   "DEVICE"      "DESKTOP"
//   "TIME"        the local time, DateTimeText
//   "BATTERY"     the battery charge in percent, 0 to 100; 100 without a battery
//   "COMPILED"    the date the runtime was built, as "Mmm dd yyyy"
//   "LOCALE"      LocaleCode of the user's locale (files/locale_code.h)
//   "DOCUMENTS"   the user's documents folder, DocumentsFolder
//   "TEMP"        the temporary folder without its trailing "/"
// Any other key gives "NO_DATA".
std::string PlatformAnswer(std::string_view key);

// The OpenGL entry point test behind "GLEXT:", installed by the application
// frame while the render context exists (null: every name answers "0").
using GlEntryQuery = bool (*)(const char* name);
void SetGlEntryQuery(GlEntryQuery query);

// Four bytes in memory order as 8 upper-case hexadecimal digits: CD AB 34 12
// gives "CDAB3412".
std::string VolumeIdText(const uint8_t id[4]);
// The first four bytes of a UUID text ("1234abcd-..." gives 12 34 AB CD);
// false when it does not start with 8 hexadecimal digits (dashes skipped).
bool UuidLeadingBytes(std::string_view uuid, uint8_t id[4]);
// "2010-10-05 09:04:07": every field but the year two digits wide.
std::string DateTimeText(const std::tm& time);
// XDG_DOCUMENTS_DIR of a user-dirs.dirs text, "$HOME" standing for `home`;
// `home` itself when it is not set or not a folder path.
std::string DocumentsFolder(std::string_view userDirs, const std::string& home);

}  // namespace vdr
