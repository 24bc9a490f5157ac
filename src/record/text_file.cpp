#include "record/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace ivgen {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return bytes.str();
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
    ++i;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

IoResult ReplaceFile(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".~" + std::to_string(::getpid()) + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return IoResult::Failure(path, std::strerror(errno));
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  int writeError = written ? 0 : errno;
  if (std::fflush(file) != 0 && writeError == 0) writeError = errno;
  if (std::fclose(file) != 0 && writeError == 0) writeError = errno;
  if (!written || writeError != 0) {
    std::remove(temporary.c_str());
    return IoResult::Failure(path, std::strerror(writeError != 0 ? writeError : EIO));
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::remove(temporary.c_str());
    return IoResult::Failure(path, error.message());
  }
  return IoResult::Success(path);
}

}  // namespace ivgen
