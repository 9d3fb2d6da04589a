#pragma once
// A fresh folder for a test's files, and reading a file back.

#include <cstdint>
#include <string>
#include <vector>

namespace kurvex::test {

// A fresh folder under the temporary directory, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& path() const { return path_; }
  std::string Path(const std::string& name) const { return path_ + "/" + name; }
  // The names of the files in the folder, sorted.
  std::vector<std::string> Files() const;

 private:
  std::string path_;
};

// Whether this system and its C++ library make symbolic links (Windows needs a privilege, and
// MinGW's library makes none); tests of links skip without them.
bool SymlinksAvailable();

// A file's bytes; empty when it cannot be read.
std::vector<uint8_t> FileBytes(const std::string& path);
// Writes bytes or text to a file; false when it cannot be written.
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool WriteText(const std::string& path, const std::string& text);

}  // namespace kurvex::test
