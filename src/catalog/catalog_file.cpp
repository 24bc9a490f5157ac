#include "catalog/catalog_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "catalog/data_folders.h"
#include "record/entries.h"
#include "system/system.h"

namespace ivgen {

void LoadNotes::Problem(std::string_view file, int line, std::string what) {
  problems.push_back({std::string(file), line, std::move(what)});
}

void LoadNotes::Book(std::string_view file, int line, std::string_view code, BookMatch match) {
  books.push_back({std::string(file), line, std::string(code), match});
}

std::string CatalogPath(const std::string& folder, std::string_view name) {
  std::string path = folder.empty() ? std::string("./") : folder;
  if (path.back() != '/' && path.back() != '\\') path += '/';
  path += name;
  return path;
}

std::optional<std::string> FindCatalogFile(const std::string& folder, std::string_view name) {
  if (auto copy = PlayerCopy(folder, name)) return copy;
  return FindFileInFolder(folder, name);
}

std::optional<std::string> FindFileInFolder(const std::string& folder, std::string_view name) {
  const std::string exact = CatalogPath(folder, name);
  std::error_code error;
  if (std::filesystem::is_regular_file(NativePath(exact), error)) return exact;
  // Data authors on other systems write Cyber.dat or GEAR.DAT; the program has always found them.
  const std::string wanted = LowerCase(name);
  std::filesystem::directory_iterator entries(NativePath(folder.empty() ? std::string(".") : folder), error);
  if (error) return std::nullopt;
  for (const auto& entry : entries) {
    if (LowerCase(PathString(entry.path().filename())) != wanted) continue;
    if (entry.is_regular_file(error)) return PathString(entry.path());
  }
  if (std::filesystem::exists(std::filesystem::symlink_status(NativePath(exact), error))) return exact;
  return std::nullopt;
}

std::optional<CatalogText> ReadCatalog(const std::string& folder, std::string_view name, IoResult* problem) {
  const auto path = FindCatalogFile(folder, name);
  if (!path) {
    if (problem != nullptr) *problem = IoResult::Failure(CatalogPath(folder, name), std::strerror(ENOENT));
    return std::nullopt;
  }
  auto bytes = ReadWholeFile(*path, problem);
  if (!bytes) return std::nullopt;
  CatalogText text{
      *path, std::string(LastName(*path)), std::make_shared<const std::string>(std::move(*bytes)), {}, false};
  text.byteOrderMark = HasByteOrderMark(*text.bytes);
  text.lines = SplitLineViews(WithoutByteOrderMark(*text.bytes));
  return text;
}

}  // namespace ivgen
