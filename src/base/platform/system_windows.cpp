#include <windows.h>

#include <string>
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

std::filesystem::path runningProgram() {
  std::wstring name(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 8; ++attempt) {
    const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      std::filesystem::path program(name);
      return program.is_absolute() ? program : std::filesystem::path();
    }
    name.resize(name.size() * 2);  // cut short: a longer buffer
  }
  return {};
}

std::optional<std::string> environmentVariable(const char* name) {
  const std::wstring wideName(name, name + std::char_traits<char>::length(name));  // names are ASCII
  std::wstring value(64, L'\0');
  for (;;) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (length < value.size()) {
      value.resize(length);
      const auto text = std::filesystem::path(value).u8string();
      return std::string(text.begin(), text.end());
    }
    value.resize(length);  // the length it needs, with the closing NUL
  }
}

std::filesystem::path systemTemporaryFolder() {
  wchar_t folder[MAX_PATH + 2];
  const DWORD length = ::GetTempPathW(MAX_PATH + 2, folder);
  if (length == 0 || length > MAX_PATH + 1) return {};
  return std::filesystem::path(std::wstring(folder, length));
}

}  // namespace base
