#pragma once
// GoogleTest's hook for a platform of its own. The Win32 thread model has no
// std::mutex or std::condition_variable, which GoogleTest's Notification is
// made of; this one waits on an event of the system's instead. The rest of
// GoogleTest's Windows port uses the system's own locks already.

#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  ~Notification() { CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
};

}  // namespace testing::internal
