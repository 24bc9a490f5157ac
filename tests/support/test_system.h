// The tests' own dealings with the operating system, for the few cases that differ between POSIX
// and Windows: the environment, who runs the tests, a write that fails part-way, and whether the
// "Windows" is Wine, which does not model everything Windows does.
#pragma once

#include <functional>
#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>
// windows.h makes these names macros for their narrow forms; the program's own are meant.
#undef ReplaceFile
#else
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#endif

#include <cstdlib>

namespace ivgen::test_support {

/// The variable that names the folder of the person's settings.
#ifdef _WIN32
inline constexpr const char* kConfigVariable = "APPDATA";
/// A device that would read forever and is no regular file.
inline constexpr const char* kEndlessDevice = "NUL";
#else
inline constexpr const char* kConfigVariable = "XDG_CONFIG_HOME";
inline constexpr const char* kEndlessDevice = "/dev/zero";
#endif

/// Sets an environment variable of this process, or removes it for nullptr.
inline void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value != nullptr ? value : "");
#else
  value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
#endif
}

/// An environment variable set for one test, and given back after it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    SetEnvironment(name, value);
  }
  ~ScopedEnv() { SetEnvironment(name_, old_ ? old_->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

/// Whether the tests run as root, whom permissions do not stop. Not asked on Windows, whose
/// tests need no second user.
inline bool RunAsRoot() {
#ifdef _WIN32
  return false;
#else
  return ::geteuid() == 0;
#endif
}

/// Whether this Windows is Wine (always false elsewhere).
inline bool UnderWine() {
#ifdef _WIN32
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

/// Runs `write`, which writes `path`, while writing there fails part-way: on POSIX the disk seems
/// full past `bytes` (a file size limit, which stops root too), on Windows another program holds
/// the file open without sharing it. Its answer.
inline bool WhileWritesFail([[maybe_unused]] const std::string& path, [[maybe_unused]] long bytes,
                            const std::function<bool()>& write) {
#ifdef _WIN32
  const int size = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(), size);
  const HANDLE held = CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool written = write();
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  return written;
#else
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit tiny = old;
  tiny.rlim_cur = static_cast<rlim_t>(bytes);
  setrlimit(RLIMIT_FSIZE, &tiny);
  const bool written = write();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previousHandler);
  return written;
#endif
}

}  // namespace ivgen::test_support
