// Whole-file reads and writes and existence checks by path, for tests that
// set up or inspect files.
#pragma once

#include <string>

/// True for an existing file (not a folder).
bool FileIsThere(const std::string& path);
/// True for an existing folder.
bool FolderIsThere(const std::string& path);
/// True when anything (file, folder or link) is there.
bool PathIsThere(const std::string& path);

/// The bytes of the file; empty when it is missing or cannot be read.
std::string ReadFileBytes(const std::string& path);
/// Creates or replaces the file with exactly these bytes; false on failure.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

/// Removes a file, or a folder with everything in it: read-only entries are
/// made writable first, and links are removed without following them, so
/// nothing outside `path` is touched. A trailing backslash is allowed. False
/// when something is left.
bool RemoveTree(const std::string& path);
