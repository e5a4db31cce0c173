#include "files/locale_code.h"

#include "runtime/ascii.h"

namespace vdr {
namespace {

struct LanguageCode {
  const char* language;   // ISO 639 code
  const char* territory;  // ISO 3166 code, or "" for every territory
  const char* code;
};

// The first row that matches gives the code.
constexpr LanguageCode kLanguageCodes[] = {
    {"zh", "HK", "ZH"}, {"zh", "SG", "ZH"}, {"zh", "MO", "ZH"}, {"zh", "", "CH"},  {"en", "US", "UK"},
    {"en", "", "EN"},   {"ar", "", "AR"},   {"bg", "", "BG"},   {"ca", "", "CA"},  {"cs", "", "CS"},
    {"da", "", "DA"},   {"de", "", "DE"},   {"el", "", "EL"},   {"uk", "", "UK"},  {"es", "", "ES"},
    {"fi", "", "FI"},   {"fr", "", "FR"},   {"he", "", "HE"},   {"hu", "", "HU"},  {"is", "", "IS"},
    {"it", "", "IT"},   {"ja", "", "JP"},   {"ko", "", "KO"},   {"nl", "", "NL"},  {"no", "", "NO"},
    {"nb", "", "NO"},   {"nn", "", "NO"},   {"pl", "", "PL"},   {"pt", "", "PT"},  {"ro", "", "RO"},
    {"ru", "", "RU"},   {"hr", "", "HR"},   {"sr", "", "SR"},   {"sk", "", "SK"},  {"sq", "", "SQ"},
    {"sv", "", "SV"},   {"th", "", "TH"},   {"tr", "", "TR"},   {"ur", "", "UR"},  {"id", "", "IN"},
    {"be", "", "BE"},   {"bn", "", "BE"},   {"sl", "", "SL"},   {"et", "", "ET"},  {"lv", "", "LV"},
    {"lt", "", "LT"},   {"fa", "", "FA"},   {"vi", "", "VI"},   {"hy", "", "HY"},  {"az", "", "AZ"},
    {"eu", "", "EU"},   {"mk", "", "MK"},   {"af", "", "AF"},   {"ka", "", "KA"},  {"kn", "", "KA"},
    {"fo", "", "FO"},   {"hi", "", "HI"},   {"ms", "", "MS"},   {"kk", "", "KK"},  {"ky", "", "KY"},
    {"sw", "", "SW"},   {"uz", "", "UZ"},   {"tt", "", "TT"},   {"pa", "", "PA"},  {"gu", "", "GU"},
    {"or", "", "OR"},   {"ta", "", "TA"},   {"te", "", "TE"},   {"ml", "", "MA"},  {"mr", "", "MA"},
    {"as", "", "AS"},   {"sa", "", "SA"},   {"mn", "", "MO"},   {"gl", "", "GL"},  {"kok", "", "KN"},
    {"syr", "", "SY"},  {"dv", "", "DI"},
};

struct Remap {
  const char* from;
  const char* to;
};

constexpr Remap kRemaps[] = {{"eng", "uk"}, {"english-uk", "uk"}, {"c", "us"},  {"am", "us"}, {"en", "us"},
                             {"el", "gr"},  {"du", "nl"},         {"ja", "jp"}, {"po", "pl"}};

}  // namespace

std::string LocaleCode(std::string_view localeName) {
  const size_t languageEnd = localeName.find_first_of("_.@");
  const std::string_view language = localeName.substr(0, languageEnd);
  std::string_view territory;
  if (languageEnd != std::string_view::npos && localeName[languageEnd] == '_') {
    territory = localeName.substr(languageEnd + 1);
    territory = territory.substr(0, territory.find_first_of(".@"));
  }
  std::string code = "us";
  for (const LanguageCode& row : kLanguageCodes) {
    const bool anyTerritory = *row.territory == 0;
    if (EqualIgnoringCase(row.language, language) && (anyTerritory || EqualIgnoringCase(row.territory, territory))) {
      code = row.code;
      break;
    }
  }
  for (char& c : code) c = static_cast<char>(AsciiLower(static_cast<unsigned char>(c)));
  for (const Remap& remap : kRemaps) {
    if (code == remap.from) {
      code = remap.to;
      break;
    }
  }
  return code.size() == 2 ? code : "us";
}

}  // namespace vdr
