// Writing a whole file so that a failed write leaves the disk as it was.
#pragma once

#include <stddef.h>

#include "foundation/TesselString.h"

/// Replaces the file at `path` (narrow or wide) by `size` bytes: missing folders
/// are created, the bytes go to a new file beside the target, and that file is
/// moved over the target once it is complete (read-only, hidden and system
/// attributes of an old file do not stop it). Long paths are written through
/// the system's extended form, so a path short enough to be written directly
/// never fails for want of room for the temporary name. False on any failure;
/// the old file, if any, is then untouched, and the temporary file and the
/// folders this call created are gone again. Any thread.
bool WriteFileSafely(const CTesselString& path, const void* bytes, size_t size);
