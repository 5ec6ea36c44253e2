// Paths, files and folders: the helpers under the file and folder steps, the
// build file and the settings file.
//
// Paths are texts with backslashes, at most MAX_PATH - 1 characters, narrow
// (the ANSI code page) or wide; the files are reached through the wide
// functions, so a path outside the code page names its own file. Paths given
// back are narrow where the code page holds them and wide otherwise.
// Lists of paths are CTesselLists of owned CTesselString copies: a list
// without an element type that is still empty is given the string type; a
// list holding another kind of item is refused. Nothing throws; failures are
// false or empty results. Any thread, as far as the file system allows.
#pragma once

#include <windows.h>

#include "foundation/TesselString.h"

class CTesselList;

/// Drive and directory of `folder` (with a backslash added) followed by `name`.
CTesselString CombinePath(CTesselString folder, CTesselString name);

/// File name and extension; one trailing backslash is dropped first, so a
/// folder path gives the folder's own name.
CTesselString GetFileNameFromPath(CTesselString path);

/// Drive and directory, ending with a backslash; one trailing backslash is
/// dropped first, so a folder path gives its parent.
CTesselString GetFolderFromPath(CTesselString path);

/// True when the path names an existing file (not a folder).
bool FileExists(CTesselString path);

/// True when the path names an existing file or folder.
bool PathExists(CTesselString path);

/// True when the path has the system attribute, or its attributes cannot be read.
bool IsSystemFile(CTesselString path);

/// Leaves only the archive attribute (clears read-only, hidden and system).
/// False for an empty path or on failure.
bool MakeFileWritable(CTesselString path);

/// Creates every missing level of a folder path. False when the path already
/// exists, is too long, or no level could be made.
bool CreateFolderPath(CTesselString path);

/// Drive and directory, with a trailing backslash, of the host DLL named on
/// the command line (GetHostDllName) when it is loaded, else of the executable.
CTesselString GetModuleFolder();

/// The DLL file name found on the process command line; empty when none.
CTesselString GetHostDllName();

/// The rule behind GetHostDllName, for a given command line: the first item
/// ending in ".dll" (any case), without its folder; empty when none.
CTesselString ParseHostDllName(CTesselString commandLine);

/// The user's application-data folder followed by "Velmoran\" (not created);
/// empty when the shell cannot give the folder.
CTesselString GetUserAppDataFolder();

/// Removes the first pattern from a list of patterns separated by blanks,
/// semicolons or commas and returns it trimmed; the list keeps the rest,
/// trimmed. Empty when the list holds no further pattern (or is null).
CTesselString PopListToken(CTesselString* list);

/// Adds the files (never folders) of `folder` that match each pattern of
/// `patterns` in turn, as names or as full paths, in the order the search
/// gives them; a file matching two patterns is added twice. True when
/// anything was added.
bool FindFilesMatching(CTesselString folder, CTesselString patterns, CTesselList* list,
                       bool namesOnly);

/// Adds the full paths (no trailing backslash) of the direct subfolders of
/// `folder`, leaving out system folders. True when any was added.
bool ListSubfolders(CTesselString folder, CTesselList* list);

/// Adds every subfolder at every depth, each followed by the folders below it
/// before its next sibling; a junction or symbolic link is added but not
/// entered. True when any was added.
bool ListSubfoldersRecursive(CTesselString folder, CTesselList* list);

// The delete helpers refuse (false, nothing touched) an empty path, a path of
// fewer than four characters and a drive or share root, and never follow a
// junction or symbolic link: a linked folder inside a tree loses only the link.

/// Moves a file or folder to the Recycle Bin without asking; true on success.
bool DeleteToRecycleBin(CTesselString path);

/// Deletes for good the files of `folder` that match `patterns`, read-only
/// ones included. False when either text is empty or nothing matched;
/// otherwise true, whatever the single removals gave.
bool DeleteMatchingFiles(CTesselString folder, CTesselString patterns);

/// DeleteMatchingFiles with "*.*".
bool DeleteAllFilesInFolder(CTesselString folder);

/// Deletes a folder with all its files and subfolders (read-only ones too).
/// True when the folder does not exist afterwards.
bool DeleteFolderTree(CTesselString folder);

/// The ProductVersion text of the running executable's version resource.
CTesselString GetProductVersionText();
