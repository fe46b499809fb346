#pragma once
// Removing files and folders, the shell's special folders, the Windows family.

#include "services/text.h"

namespace bx {

// True when IsExistingFile(path) and DeleteFileA then succeeds. A missing
// file or a folder is left alone (DeleteFileA is not called).
bool DeleteFileIfExists(const Text& path);

// RemoveDirectoryA: true only when an empty folder was removed. The path may
// end in a backslash.
bool RemoveFolder(const Text& path);

// Deletes the plain files directly inside folder (not hidden, not system, not
// named ".*"; no descent into sub-folders), then returns RemoveFolder on it.
// A folder that is a junction or symbolic link, or lies directly in one, is
// not entered: nothing behind the link is deleted.
bool PurgeFolder(const Text& folder);

// The file-system path of a shell special folder (CSIDL value); the empty
// text when the shell cannot tell it.
Text GetSpecialFolderPath(int csidl);

// True on the NT family.
bool IsWindowsNT();

// Tells the shell that the contents of folder changed, so that Explorer drops
// removed shortcuts at once.
void NotifyFolderChanged(const Text& folder);

}  // namespace bx
