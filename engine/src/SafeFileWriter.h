// Writing a whole file so that a failed write leaves the disk as it was.
#pragma once

#include <windows.h>
#include <stddef.h>

#include <string>

#include "foundation/TesselString.h"

/// Replaces the file at `path` (narrow or wide) by `size` bytes: missing folders
/// are created, the bytes go to a new file beside the target, and that file
/// takes the target's place once it is complete (ReplaceFileW: the old file's
/// access list stays; read-only, hidden and system attributes do not stop it).
/// A path that is a symbolic link saves to the file it leads to and stays a
/// link. Where no file can be made beside the target, the target itself is
/// written. Long paths are written through the system's extended form, so a
/// path short enough to be written directly never fails for want of room for
/// the temporary name. False on any failure; the old file, if any, is then
/// untouched (unless it was written directly), and the temporary file and the
/// folders this call created are gone again. Any thread.
bool WriteFileSafely(const CTesselString& path, const void* bytes, size_t size);

/// Makes a new, empty file in `folder` (an extended path) for writing and names
/// it in `temp`; INVALID_HANDLE_VALUE when none can be made.
using TempFileMaker = HANDLE (*)(const std::wstring& folder, std::wstring* temp);

/// WriteFileSafely with another maker of the temporary file, so that tests can
/// act out a folder in which no new file may be made.
bool WriteFileSafely(const CTesselString& path, const void* bytes, size_t size,
                     TempFileMaker makeTemp);
