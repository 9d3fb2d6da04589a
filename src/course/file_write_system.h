#pragma once
// The system's part of the safe writer: file_write_posix.cpp or file_write_windows.cpp.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kurvex::file_write_system {

// The file a path finally names, through any chain of symbolic links; a dangling link names the
// file it would point to. On failure *error is "PATH: why".
bool FollowLinks(const std::string& path, std::string* target, std::string* error);

// What tells an existing file from every other (device and inode, or volume and file index);
// false when there is no such file.
bool FileIdentity(const std::string& path, uint64_t* device, uint64_t* file);

// Writes the bytes as target (the file path finally names) through a temporary file beside it,
// flushed and renamed over it, keeping a replaced file's permissions; refuses a target that is
// not a regular file. On failure *error is "PATH: why" and no temporary file is left.
bool ReplaceTarget(const std::string& path, const std::string& target, const uint8_t* data,
                   size_t size, std::string* error);

}  // namespace kurvex::file_write_system
