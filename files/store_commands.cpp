#include "files/store_commands.h"

#include "files/line_file_store.h"
#include "files/settings_store.h"
#include "runtime/number_text.h"

namespace vdr {

void IniOpen(const RuntimeString& name) { Ini().Open(name); }
RuntimeString IniGet(const RuntimeString& section, const RuntimeString& key, const RuntimeString& fallback) {
  return Ini().Get(section, key, fallback);
}
void IniPut(const RuntimeString& section, const RuntimeString& key, const RuntimeString& value) {
  Ini().Put(section, key, value);
}

RuntimeString GetFileLine(const RuntimeString& name, double line) { return LineFiles().Get(name, ToInt(line)); }
double GetFileLineNumber(const RuntimeString& name, double line) { return GetFileLine(name, line).ToDouble(); }
int32_t GetFileLineInteger(const RuntimeString& name, double line) { return GetFileLine(name, line).ToInteger(); }
void PutFileLine(const RuntimeString& name, double line, const RuntimeString& text) {
  LineFiles().Put(name, ToInt(line), text);
}
void PutFileLineNumber(const RuntimeString& name, double line, double number) {
  PutFileLine(name, line, NumberText(number));
}

void WriteBackStores() {
  LineFiles().Release();
  Ini().WriteBack();
}

}  // namespace vdr
