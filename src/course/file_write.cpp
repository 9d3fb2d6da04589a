#include "course/file_write.h"

#include <filesystem>
#include <system_error>

#include "course/file_write_system.h"
#include "course/path_text.h"

namespace kurvex {

namespace {

namespace system = file_write_system;

// What tells two names of one file apart from names of two files.
struct FileKey {
  bool exists = false;
  uint64_t device = 0;
  uint64_t file = 0;
  std::filesystem::path canonical;
};

FileKey KeyOf(const std::string& path) {
  std::string target;
  std::string ignored;
  if (!system::FollowLinks(path, &target, &ignored)) target = path;
  FileKey key;
  key.exists = system::FileIdentity(target, &key.device, &key.file);
  std::error_code error;
  const std::filesystem::path absolute =
      std::filesystem::absolute(std::filesystem::u8path(target), error);
  key.canonical = std::filesystem::weakly_canonical(absolute, error);
  if (error) key.canonical = absolute.lexically_normal();
  return key;
}

bool SameFile(const FileKey& a, const FileKey& b) {
  if (a.exists && b.exists) return a.device == b.device && a.file == b.file;
  return a.canonical == b.canonical;
}

}  // namespace

InputFiles::InputFiles(std::initializer_list<std::string> paths) {
  for (const std::string& path : paths) Add(path);
}

void InputFiles::Add(const std::string& path) {
  if (!path.empty()) paths_.push_back(path);
}

void InputFiles::Add(const InputFiles& more) {
  for (const std::string& path : more.paths_) Add(path);
}

bool InputFiles::Holds(const std::string& path) const {
  if (paths_.empty()) return false;
  const FileKey key = KeyOf(path);
  for (const std::string& input : paths_) {
    if (SameFile(key, KeyOf(input))) return true;
  }
  return false;
}

const std::string* InputFiles::FirstHeld(const std::vector<std::string>& targets) const {
  for (const std::string& target : targets) {
    if (Holds(target)) return &target;
  }
  return nullptr;
}

std::string InputRefusal(const std::string& path) {
  return PathText(path) + ": is one of this command's inputs";
}

bool NoInputAmong(const std::vector<std::string>& targets, const InputFiles& inputs,
                  std::string* error) {
  const std::string* held = inputs.FirstHeld(targets);
  if (held == nullptr) return true;
  if (error) *error = InputRefusal(*held);
  return false;
}

bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                         std::string* error, const InputFiles& inputs) {
  std::string target;
  if (!system::FollowLinks(path, &target, error)) return false;
  if (inputs.Holds(target)) {
    if (error) *error = InputRefusal(path);
    return false;
  }
  return system::ReplaceTarget(path, target, data, size, error);
}

}  // namespace kurvex
