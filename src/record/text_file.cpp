#include "record/text_file.h"

namespace ivgen {

std::optional<std::string> ReadWholeFile(const std::string& path, IoResult* problem) {
  std::string reason;
  std::optional<std::string> bytes = ReadRegularFile(path, kMaxFileSize, reason);
  if (problem != nullptr) *problem = bytes ? IoResult::Success(path) : IoResult::Failure(path, std::move(reason));
  return bytes;
}

bool HasByteOrderMark(std::string_view bytes) { return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark; }

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  return HasByteOrderMark(bytes) ? bytes.substr(kByteOrderMark.size()) : bytes;
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
    ++i;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
  const std::vector<std::string_view> views = SplitLineViews(text);
  return std::vector<std::string>(views.begin(), views.end());
}

IoResult ReplaceFile(const std::string& path, std::string_view bytes) {
  std::string reason = ReplaceFileBytes(path, bytes);
  return reason.empty() ? IoResult::Success(path) : IoResult::Failure(path, std::move(reason));
}

namespace {

int deferredScopes = 0;

}  // namespace

SyncAtEnd::SyncAtEnd() {
  if (deferredScopes++ == 0) DeferNewFileFlushes(true);
}

SyncAtEnd::~SyncAtEnd() {
  if (--deferredScopes > 0) return;
  DeferNewFileFlushes(false);
  FlushDeferredFolders();
}

}  // namespace ivgen
