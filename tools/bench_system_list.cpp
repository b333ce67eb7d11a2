// bench_system_list.exe <entries> <runs>: the time to read the system command list from App Paths
// through the store, against a bare enumerator that reads the same names and targets. Adds
// <entries> subkeys to App Paths for the measurement and removes them afterwards.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "store/app_paths_store.h"
#include "store/native_writer.h"
#include "store/store_paths.h"

namespace {

std::string EntryName(int index) { return "quilletbench" + std::to_string(index) + ".exe"; }

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The bare way: every subkey name, then every default value.
std::size_t BareEnumerate() {
  HKEY appPaths = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, quillet::kAppPathsKey, 0, KEY_READ, &appPaths) != ERROR_SUCCESS) return 0;
  std::vector<std::pair<std::string, std::string>> rows;
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(appPaths, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    rows.emplace_back(std::string(name, length), std::string());
  }
  for (auto& row : rows) {
    char value[256];
    DWORD size = sizeof value;
    if (RegGetValueA(appPaths, row.first.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS) {
      row.second = value;
    }
  }
  RegCloseKey(appPaths);
  return rows.size();
}

double Median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int entries = argc >= 3 ? std::atoi(argv[1]) : 0;
  const int runs = argc >= 3 ? std::atoi(argv[2]) : 0;
  if (entries < 1 || runs < 1) {
    std::fputs("usage: bench_system_list.exe <entries> <runs>\n", stderr);
    return 2;
  }
  for (int i = 0; i < entries; ++i) {
    HKEY key = nullptr;
    const std::string subkey = std::string(quillet::kAppPathsKey) + "\\" + EntryName(i);
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    const std::string target = "C:\\Program Files\\Bench\\tool" + std::to_string(i) + ".exe";
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(target.c_str()),
                   static_cast<DWORD>(target.size() + 1));
    RegCloseKey(key);
  }

  const quillet::NativeWriter writer;  // writes nothing here
  const quillet::StoreContext store{"C:\\", writer};
  std::vector<double> storeTimes, bareTimes;
  std::size_t listed = 0;
  for (int run = 0; run < runs; ++run) {
    double begin = Now();
    quillet::SystemCommandList rows;
    if (!quillet::ListSystemCommands(store, {}, rows)) std::fputs("bench_system_list: App Paths unreadable\n", stderr);
    quillet::ReadSystemCommandTargets(store, rows);
    storeTimes.push_back(Now() - begin);
    listed = rows.size();
    begin = Now();
    BareEnumerate();
    bareTimes.push_back(Now() - begin);
  }

  for (int i = 0; i < entries; ++i) {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(quillet::kAppPathsKey) + "\\" + EntryName(i)).c_str());
  }
  std::printf("listed=%zu store_median_ms=%.3f bare_median_ms=%.3f\n", listed, Median(storeTimes), Median(bareTimes));
  return 0;
}
