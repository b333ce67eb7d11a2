#include "store/store_watch.h"

#include "store/store_paths.h"

namespace quillet {

StoreWatch::StoreWatch(const StoreContext& store)
    : cmds_(FindFirstChangeNotificationA(CmdsFolder(store.programFolder).c_str(), FALSE,
                                         FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE)) {
  const HKEY roots[] = {store.roots.user, store.roots.machine};
  for (int i = 0; i < 2; ++i) {
    HKEY key = nullptr;
    // The own scope's key is made if it is missing (a user without commands yet has none), so
    // that the first command made elsewhere shows; the other scope's is watched where it exists.
    const bool own = roots[i] == store.Root();
    const LSTATUS opened =
        own ? RegCreateKeyExA(roots[i], kAppPathsKey, 0, nullptr, 0, KEY_NOTIFY, nullptr, &key, nullptr)
            : RegOpenKeyExA(roots[i], kAppPathsKey, 0, KEY_NOTIFY, &key);
    if (opened != ERROR_SUCCESS) continue;
    keys_[i].key.Reset(key);
    keys_[i].changed.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    Watch(keys_[i]);
  }
}

void StoreWatch::Watch(KeyWatch& watch) {
  // A key whose changes are not reported is no longer watched: Handles() leaves it out.
  if (watch.key && watch.changed &&
      RegNotifyChangeKeyValue(watch.key.Get(), TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                              watch.changed.Get(), TRUE) != ERROR_SUCCESS) {
    watch.key.Reset();
  }
}

std::vector<HANDLE> StoreWatch::Handles() const {
  std::vector<HANDLE> handles;
  if (cmds_) handles.push_back(cmds_.Get());
  for (const KeyWatch& watch : keys_) {
    if (watch.key && watch.changed) handles.push_back(watch.changed.Get());
  }
  return handles;
}

void StoreWatch::Rearm(HANDLE signalled) {
  if (cmds_ && signalled == cmds_.Get()) FindNextChangeNotification(signalled);
  for (KeyWatch& watch : keys_) {
    if (watch.changed && signalled == watch.changed.Get()) Watch(watch);
  }
}

}  // namespace quillet
