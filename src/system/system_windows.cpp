// Paths reach the system as UTF-16 through the wide API, so a name outside the code page is the
// same file whatever the machine's language; the core spells them in UTF-8.
#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "system/system.h"

#include "system/shared.h"

namespace ivgen {

namespace {

using system_shared::IsTemporaryName;
using system_shared::kStaleSeconds;
using system_shared::kTemporaryPrefix;
using system_shared::kTemporaryRandomLetters;
using system_shared::TooLarge;

// FILETIME counts 100 ns steps from 1601; time_t seconds from 1970.
constexpr ULONGLONG kFileTimePerSecond = 10'000'000;
constexpr ULONGLONG kFileTimeAt1970 = 116'444'736'000'000'000;
// Folders are refused past this by the plain API (MAX_PATH less room for an 8.3 name).
constexpr size_t kLongPath = MAX_PATH - 12;
constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  /// Closes now; whether the close succeeded.
  bool Close() {
    const bool closed = !valid() || CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// The absolute form, which ReplaceFileW needs (it refuses relative names), with the prefix that
// lifts the 260-character limit when the path is that long.
std::wstring FullPath(const std::wstring& path) {
  if (path.starts_with(kLongPrefix)) return path;
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  if (full.size() < kLongPath) return full;
  if (full.starts_with(L"\\\\")) return std::wstring(kLongUncPrefix) + full.substr(2);
  return std::wstring(kLongPrefix) + full;
}

// A path as the wide API takes it; only a long path is made absolute, so the others stay as the
// person spelt them in every message.
std::wstring SystemPath(const std::string& path) {
  std::wstring wide = Wide(path);
  return wide.size() < kLongPath ? wide : FullPath(wide);
}

// The common failures read as they do on the other systems; the rest as Windows words them.
std::string ErrorText(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return "No such file or directory";
    case ERROR_ACCESS_DENIED:
      return "Permission denied";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
      return "the file is open in another program";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "No space left on device";
    case ERROR_WRITE_PROTECT:
      return "Read-only file system";
    case ERROR_FILENAME_EXCED_RANGE:
      return "File name too long";
    case ERROR_DIRECTORY:
      return "Not a directory";
    default:
      break;
  }
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
      MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = length > 0 ? Utf8(std::wstring_view(text, length)) : "";
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
    message.pop_back();
  }
  return message.empty() ? "Windows error " + std::to_string(error) : message;
}

std::string LastErrorText() { return ErrorText(GetLastError()); }

std::time_t TimeOf(const FILETIME& time) {
  const ULONGLONG steps = (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return static_cast<std::time_t>((steps - kFileTimeAt1970) / kFileTimePerSecond);
}

// A save killed while writing leaves a full-size temporary file that nothing else would remove.
// The folder's ACL decides whose may go, as Windows has no owner test as cheap as a user id.
void RemoveStaleTemporaries(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const std::wstring pattern = folder + Wide(kTemporaryPrefix) + L"*";
  HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return;
  FILETIME nowTime{};
  GetSystemTimeAsFileTime(&nowTime);
  const std::time_t now = TimeOf(nowTime);
  do {
    const bool plainFile = (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
    if (plainFile && IsTemporaryName(Utf8(found.cFileName)) && now - TimeOf(found.ftLastWriteTime) > kStaleSeconds) {
      DeleteFileW((folder + found.cFileName).c_str());
    }
  } while (FindNextFileW(search, &found) != 0);
  FindClose(search);
}

// A new file under an unpredictable name in the folder, created only if nothing stood there.
HANDLE CreateTemporary(const std::wstring& folder, std::wstring& name) {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  std::uniform_int_distribution<size_t> pick(0, kLetters.size() - 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string letters(kTemporaryPrefix);
    for (size_t i = 0; i < kTemporaryRandomLetters; ++i) letters += kLetters[pick(random)];
    name = folder + Wide(letters);
    HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  SetLastError(ERROR_FILE_EXISTS);
  return INVALID_HANDLE_VALUE;
}

DWORD WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (WriteFile(file, bytes.data(), chunk, &written, nullptr) == 0) return GetLastError();
    bytes.remove_prefix(written);
  }
  return ERROR_SUCCESS;
}

// Reads to the end, at most `limit` bytes; the error of a failed read, or ERROR_FILE_TOO_LARGE.
DWORD ReadAll(HANDLE file, std::uintmax_t limit, std::string& bytes) {
  char buffer[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (ReadFile(file, buffer, sizeof buffer, &got, nullptr) == 0) {
      const DWORD error = GetLastError();
      // A pipe whose writer has finished.
      return error == ERROR_BROKEN_PIPE ? ERROR_SUCCESS : error;
    }
    if (got == 0) return ERROR_SUCCESS;
    if (bytes.size() + got > limit) return ERROR_FILE_TOO_LARGE;
    bytes.append(buffer, got);
  }
}

// The file a link finally leads to, so a save replaces it and the link stays.
std::wstring FinalPath(const std::wstring& path) {
  Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) return path;
  std::wstring final(MAX_PATH, L'\0');
  DWORD length = GetFinalPathNameByHandleW(file.get(), final.data(), static_cast<DWORD>(final.size()), 0);
  if (length >= final.size()) {
    final.resize(length + 1);
    length = GetFinalPathNameByHandleW(file.get(), final.data(), static_cast<DWORD>(final.size()), 0);
  }
  if (length == 0 || length >= final.size()) return path;
  final.resize(length);
  return final;
}

bool IsAbsolute(std::wstring_view path) {
  const bool drive = path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
  return drive || path.starts_with(L"\\\\");
}

bool RunningUnderWine(std::string* version) {
  using WineVersion = const char*(CDECL*)();
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  const auto get =
      ntdll == nullptr
          ? nullptr
          : reinterpret_cast<WineVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version")));
  if (get != nullptr && version != nullptr) *version = get();
  return get != nullptr;
}

UINT consoleOutputPage = 0;
void RestoreConsole() { SetConsoleOutputCP(consoleOutputPage); }

}  // namespace

std::string_view PlayerFolderShown() { return "%APPDATA%\\ivgen"; }
std::string_view PlayerFolderHint() { return "set APPDATA to one"; }

std::filesystem::path NativePath(const std::string& path) { return std::filesystem::path(SystemPath(path)); }

std::string PathString(const std::filesystem::path& path) {
  std::wstring_view native = path.native();
  if (native.starts_with(kLongUncPrefix)) return "\\\\" + Utf8(native.substr(kLongUncPrefix.size()));
  if (native.starts_with(kLongPrefix)) return Utf8(native.substr(kLongPrefix.size()));
  return Utf8(native);
}

std::string ForbiddenNameReason(std::string_view name) {
  const std::string quoted = "\"" + std::string(name) + "\"";
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32)
      return "Windows does not allow control characters in the file name " + quoted;
    if (std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
      return "Windows does not allow \"" + std::string(1, c) + "\" in the file name " + quoted;
    }
  }
  if (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
    return "Windows does not allow a file name ending in a dot or a blank: " + quoted;
  }
  // The device names, with or without an extension and blanks before it.
  std::string stem(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  static constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  bool device = std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end();
  if ((stem.starts_with("COM") || stem.starts_with("LPT"))) {
    const std::string_view number = std::string_view(stem).substr(3);
    // A digit from 1, or the superscripts one, two and three.
    device = (number.size() == 1 && number[0] >= '1' && number[0] <= '9') || number == "\xC2\xB9" ||
             number == "\xC2\xB2" || number == "\xC2\xB3";
  }
  if (device) return "Windows keeps the name " + quoted + " for a device";
  return {};
}

std::optional<FileFacts> FactsOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &data) == 0) return std::nullopt;
  return FileFacts{(static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                   TimeOf(data.ftLastWriteTime)};
}

std::string LocalTimeText(std::time_t when) {
  std::tm local{};
  char text[32] = "";
  if (localtime_s(&local, &when) == 0) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::uintmax_t limit, std::string& reason) {
  auto refuse = [&](std::string why) -> std::optional<std::string> {
    reason = std::move(why);
    return std::nullopt;
  };
  // Backup semantics opens a folder too, so it can be named as one; a device or a pipe is never
  // read, so nothing waits on it.
  Handle file(CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                          FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) return refuse(LastErrorText());
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return refuse("not a regular file");
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileInformationByHandle(file.get(), &info) == 0) return refuse(LastErrorText());
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return refuse("Is a directory");
  const std::uintmax_t size = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  if (size > limit) return refuse(TooLarge(limit));
  std::string bytes;
  bytes.reserve(static_cast<size_t>(size));
  const DWORD error = ReadAll(file.get(), limit, bytes);
  if (error == ERROR_FILE_TOO_LARGE) return refuse(TooLarge(limit));
  if (error != ERROR_SUCCESS) return refuse(ErrorText(error));
  return bytes;
}

std::optional<std::string> ReadStream(const std::string& path, std::uintmax_t limit, StreamProblem& problem,
                                      std::string& reason) {
  auto fail = [&](StreamProblem what, DWORD error) -> std::optional<std::string> {
    problem = what;
    reason = ErrorText(error);
    return std::nullopt;
  };
  std::string bytes;
  DWORD error = ERROR_SUCCESS;
  if (path == "-") {
    _setmode(_fileno(stdin), _O_BINARY);
    error = ReadAll(GetStdHandle(STD_INPUT_HANDLE), limit, bytes);
  } else {
    Handle file(CreateFileW(SystemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) return fail(StreamProblem::CannotOpen, GetLastError());
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(file.get(), &info) != 0 && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return fail(StreamProblem::IsFolder, ERROR_SUCCESS);
    }
    error = ReadAll(file.get(), limit, bytes);
  }
  if (error == ERROR_FILE_TOO_LARGE) return fail(StreamProblem::TooLarge, error);
  if (error != ERROR_SUCCESS) return fail(StreamProblem::CannotRead, error);
  problem = StreamProblem::None;
  return bytes;
}

// Each replace writes through (MOVEFILE_WRITE_THROUGH, ReplaceFileW's flush): nothing is deferred.
void DeferNewFileFlushes(bool) {}
void FlushDeferredFolders() {}

std::string ReplaceFileBytes(const std::string& path, std::string_view bytes) {
  // Windows would open the device, or quietly drop the dot or blank and save another file.
  if (std::string forbidden = ForbiddenNameReason(LastName(path)); !forbidden.empty()) return forbidden;
  std::wstring target = FullPath(Wide(path));
  DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    // A file shared through a link stays shared: its target is replaced, not the link.
    target = FinalPath(target);
    attributes = GetFileAttributesW(target.c_str());
  }
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND) return LastErrorText();
  if (exists) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return "Is a directory";
    if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) return "not a regular file";
    // Replacing would get past the read-only mark that writing in place respects.
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return "the file is read-only";
  }

  const std::wstring folder = target.substr(0, target.find_last_of(L"\\/") + 1);
  RemoveStaleTemporaries(folder);
  std::wstring temporary;
  Handle file(CreateTemporary(folder, temporary));
  if (!file.valid()) return LastErrorText();
  DWORD error = WriteAll(file.get(), bytes);
  if (error == ERROR_SUCCESS && FlushFileBuffers(file.get()) == 0) error = GetLastError();
  if (!file.Close() && error == ERROR_SUCCESS) error = GetLastError();
  if (error == ERROR_SUCCESS) {
    // ReplaceFileW gives the new file the old one's ACL, attributes and creation time; a file
    // that is not there yet is simply moved into place.
    const BOOL moved =
        exists ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                              REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr)
               : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (moved == 0) error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileW(temporary.c_str());
    return ErrorText(error);
  }
  return {};
}

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return PathString(std::filesystem::path(path));
    }
    path.resize(path.size() * 2);
  }
}

std::string ConfigHome() {
  std::wstring folder;
  // As HOME on POSIX: the system's answer only when the variable is unset.
  if (const wchar_t* appData = _wgetenv(L"APPDATA"); appData != nullptr && appData[0] != L'\0') {
    folder = appData;
  } else {
    wchar_t* known = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known) == S_OK) folder = known;
    CoTaskMemFree(known);
  }
  // A relative folder would put the player's files wherever the program happens to be started.
  if (!IsAbsolute(folder)) return "";
  if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return Utf8(folder);
}

std::string OperatingSystemText() {
  // GetVersionEx answers with the version the program was built for; ntdll tells the truth.
  using GetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  const auto get = ntdll == nullptr
                       ? nullptr
                       : reinterpret_cast<GetVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (get == nullptr || get(&version) != 0) return {};
  SYSTEM_INFO system{};
  GetNativeSystemInfo(&system);
  std::string machine = "x86";
  if (system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64) machine = "x86_64";
  if (system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_ARM64) machine = "aarch64";
  std::string text = "Windows " + std::to_string(version.dwMajorVersion) + "." +
                     std::to_string(version.dwMinorVersion) + "." + std::to_string(version.dwBuildNumber) + " " +
                     machine;
  // A report from Wine is not one from Windows.
  if (std::string wine; RunningUnderWine(&wine)) text += " (Wine " + wine + ")";
  return text;
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return {argv, argv + argc};
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(Utf8(wide[i]));
  LocalFree(wide);
  return arguments;
}

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_CHAR && consoleOutputPage == 0) {
    consoleOutputPage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::atexit(RestoreConsole);
  }
}

}  // namespace ivgen
