#include "files/settings_store.h"

#include <utility>

#include "files/file_replace.h"
#include "files/file_resolver.h"
#include "files/file_source.h"
#include "runtime/ascii.h"
#include "runtime/error_status.h"
#include "runtime/process_object.h"

namespace vdr {
namespace {

// The first item whose field matches, ignoring case; null when none does.
template <typename Items, typename T>
auto FindFirst(Items& items, RuntimeString T::*field, const RuntimeString& wanted) -> decltype(&items.front()) {
  for (auto& item : items) {
    if (EqualIgnoringCase((item.*field).view(), wanted.view())) return &item;
  }
  return nullptr;
}

// Removes an item by moving the last one into its place.
template <typename T>
void RemoveByLast(std::vector<T>& items, T* item) {
  if (item != &items.back()) *item = std::move(items.back());
  items.pop_back();
}

}  // namespace

SettingsStore& Ini() { return Registered<SettingsStore>(); }

void SettingsStore::Open(const RuntimeString& name) {
  ClearErrorCode();
  const bool written = WriteBack();
  sections_.clear();
  modified_ = false;
  std::string resolved;
  std::vector<uint8_t> bytes;
  const bool found = MemoryContext().Resolve(name.c_str(), resolved) && ReadWholeFile(resolved.c_str(), bytes);
  if (found) {
    sections_ = ParseSettings(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
  writePath_ = WriteBackPath(name.c_str(), found, resolved);
  if (!written || !found) RecordError(kErrorNoSuchFile);
}

RuntimeString SettingsStore::Get(const RuntimeString& section, const RuntimeString& key,
                                 const RuntimeString& fallback) const {
  const SettingsSection* found = FindFirst(sections_, &SettingsSection::name, section);
  if (found == nullptr) return fallback;
  const SettingsEntry* entry = FindFirst(found->entries, &SettingsEntry::key, key);
  return entry != nullptr ? entry->value : fallback;
}

void SettingsStore::Put(const RuntimeString& section, const RuntimeString& key, const RuntimeString& value) {
  SettingsSection* found = FindFirst(sections_, &SettingsSection::name, section);
  if (key.empty()) {
    if (found == nullptr) return;
    RemoveByLast(sections_, found);
    modified_ = true;
    return;
  }
  if (found == nullptr) {
    sections_.push_back({section, {}});
    found = &sections_.back();
  }
  SettingsEntry* entry = FindFirst(found->entries, &SettingsEntry::key, key);
  if (entry != nullptr && !value.empty()) {
    entry->value = value;
  } else if (entry != nullptr) {
    RemoveByLast(found->entries, entry);
  } else if (!value.empty()) {
    found->entries.push_back({key, value});
  }
  modified_ = true;
}

bool SettingsStore::WriteBack() {
  if (!modified_ || writePath_.empty()) return true;
  if (!ReplaceFile(writePath_, FormatSettings(sections_))) return false;
  modified_ = false;
  return true;
}

}  // namespace vdr
