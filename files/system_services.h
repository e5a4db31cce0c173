#pragma once
// The system services behind platform information, the environment,
// processes and dynamic libraries: every call into the system these commands
// make, kept here so that their logic is tested on its own.

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vdr {

// ---- environment ----
// The value, or "" when unset.
std::string EnvironmentValue(const char* name);
// Every entry as "name=value\n".
std::string EnvironmentListing();
// Sets the variable for this process and the programs it starts; false for a
// name the environment cannot hold (empty, or with "=").
bool SetEnvironmentValue(const char* name, const char* value);

// ---- processes ----
// Starts args[0] (searched in PATH) with the arguments, sharing no open files
// but the standard three; -1 when it cannot start.
pid_t StartProcess(const std::vector<std::string>& args);
// Waits for a started process; its exit code, or 128 + the signal that ended it.
int32_t WaitForProcess(pid_t pid);
// Reaps a started process as soon as it ends, without waiting for it here, so
// that no ended process lingers as a zombie.
void ReapWhenEnded(pid_t pid);
// Shutdown: stops reaping (processes still running carry on on their own).
void StopReaping();

// ---- dynamic libraries ----
void* LoadLibraryModule(const char* name);
void* FindLibrarySymbol(void* module, const char* name);
void UnloadLibraryModule(void* module);

// ---- the machine ----
// The name of the block device holding the root file system under
// /dev/disk/by-uuid (its file system UUID), or "" when there is none.
std::string RootVolumeUuid();
// The first four bytes of the root file system's id as the kernel reports it.
void RootFileSystemId(uint8_t id[4]);
// The mean charge in percent of the system batteries listed in `folder` (the
// kernel's power-supply class), or -1 when there is none.
int32_t BatteryPercent(const char* folder = "/sys/class/power_supply");
// The user's locale name: LC_ALL, else LC_MESSAGES, else LANG; "" when none is set.
std::string UserLocaleName();
// The user's home folder ($HOME, else the password database), without a trailing "/".
std::string HomeFolder();
// The text of the user's XDG folder list (user-dirs.dirs), "" when there is none.
std::string UserDirsText();

}  // namespace vdr
