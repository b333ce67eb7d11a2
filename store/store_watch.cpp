#include "store/store_watch.h"

#include "store/store_paths.h"

namespace quillet {

StoreWatch::StoreWatch(const std::string& programFolder)
    : cmds_(FindFirstChangeNotificationA(CmdsFolder(programFolder).c_str(), FALSE,
                                         FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE)),
      appPathsChanged_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_NOTIFY, &key) == ERROR_SUCCESS) appPaths_.Reset(key);
  WatchAppPaths();
}

void StoreWatch::WatchAppPaths() {
  // A key whose changes are not reported is no longer watched: Handles() leaves it out.
  if (appPaths_ && appPathsChanged_ &&
      RegNotifyChangeKeyValue(appPaths_.Get(), TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                              appPathsChanged_.Get(), TRUE) != ERROR_SUCCESS) {
    appPaths_.Reset();
  }
}

std::vector<HANDLE> StoreWatch::Handles() const {
  std::vector<HANDLE> handles;
  if (cmds_) handles.push_back(cmds_.Get());
  if (appPaths_ && appPathsChanged_) handles.push_back(appPathsChanged_.Get());
  return handles;
}

void StoreWatch::Rearm(HANDLE signalled) {
  if (cmds_ && signalled == cmds_.Get()) FindNextChangeNotification(signalled);
  if (appPathsChanged_ && signalled == appPathsChanged_.Get()) WatchAppPaths();
}

}  // namespace quillet
