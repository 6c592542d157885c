#include <windows.h>

#include <system_error>

#include "base/system.hpp"

namespace base {

// Windows answers "may I write here" only by trying: a file that vanishes when closed.
bool isWritableFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return false;
  for (int attempt = 0; attempt < 10; ++attempt) {
    const auto probe = folder / (L".brk-probe-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(attempt));
    HANDLE handle = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      ::CloseHandle(handle);
      return true;
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

std::uint64_t processId() { return ::GetCurrentProcessId(); }

bool processRunning(std::uint64_t id) {
  if (id == 0 || id > 0xFFFFFFFFu) return false;
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
  // A process this one may not look at still runs.
  if (!process) return ::GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  ::CloseHandle(process);
  return running;
}

}  // namespace base
