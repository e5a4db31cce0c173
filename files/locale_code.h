#pragma once
// The two-letter language code that platform information gives for a locale.

#include <string>
#include <string_view>

namespace vdr {

// `localeName` is a POSIX locale name such as "de_AT.UTF-8" or "C". Its
// language (and, for Chinese and English, its territory) picks a code from the
// runtime's language table, in the table's own assignments: United States
// English is "UK" and the other English forms "EN", Chinese of Hong Kong,
// Singapore and Macau "ZH" and other Chinese "CH", a language the table does
// not know "us". The code is lower-cased and remapped ("en" becomes "us", "el"
// "gr", ...), so "en_US" gives "uk", "en_GB" gives "us" and "el_GR" "gr".
std::string LocaleCode(std::string_view localeName);

}  // namespace vdr
