#pragma once
// File-system and registry fixtures for the tests that run under Wine.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bx::test {

using Text = std::string;

// True when byte opens a two-byte character in this process's ANSI code page.
bool IsAnsiLead(unsigned char byte);

// The folder path lies in: everything before its last backslash character.
Text ParentOf(const Text& path);

// path without one trailing backslash character.
Text WithoutTrailingBackslash(const Text& path);

// "error N: <the system's text>", for failure messages.
Text ErrorText(DWORD code);

// CreateProcessA(nullptr, commandLine, ...) with the exact command line. Wine
// now and then fails a start with ERROR_INTERNAL_ERROR (about one in 1,500
// here) when the new process dies while it is being set up; such a start
// is tried once more, logged to stderr and counted. Any other failure, or a
// start whose program or working folder is missing, throws at once with the
// error and that state.
PROCESS_INFORMATION StartProcess(const Text& commandLine, const Text& currentDirectory = "");

// How many starts were tried again (see StartProcess).
int StartRetries();

// Creates path and every missing parent folder.
void MakeFolders(const Text& path);

// Writes a file (creating its folders) with the given content.
void WriteFile(const Text& path, const Text& content = "x");

// Calls visit for every entry of folder dir but "." and "..".
void ForEachEntry(const Text& dir, const std::function<void(const WIN32_FIND_DATAA&)>& visit);

bool Exists(const Text& path);
bool IsFolder(const Text& path);

// Deletes a tree; links are removed, never followed.
void RemoveTree(const Text& path);

// The unix path Wine maps a Windows path to.
Text UnixPath(const Text& windowsPath);

// Runs a unix command line (Wine starts unix programs too) and waits until
// done() says its effect is there; throws when it never is.
void RunUnix(const Text& commandLine, const std::function<bool()>& done);

bool IsLink(const Text& path);

// A unix directory symlink at link pointing to target (both Windows paths).
void MakeFolderLink(const Text& link, const Text& target);

// Maps drive "F:" (a letter and a colon) to a folder through the prefix's dosdevices.
void MapDrive(const Text& drive, const Text& folder);
void UnmapDrive(const Text& drive);

// Sets the last-write time of a file to the first of January of year.
void SetFileYear(const Text& path, int year);

// Registry: creates keyPath and sets its value (empty name: the default value).
void SetValue(HKEY root, const Text& keyPath, const Text& name, DWORD type, const void* data, DWORD size);
void SetString(HKEY root, const Text& keyPath, const Text& name, const Text& data, DWORD type = REG_SZ);
void CreateKey(HKEY root, const Text& keyPath);  // one level at a time, so any depth works
bool KeyExists(HKEY root, const Text& keyPath);
void DeleteTree(HKEY root, const Text& keyPath);

// The shell's path of a special folder.
Text SpecialFolder(int csidl);

}  // namespace bx::test
