#pragma once
// A whole-machine picture of the scratch Wine prefix: every file and folder on
// drive C: and in the profile's linked folders, and every key and value in the
// registry branches the uninstaller can reach. Two pictures compared show
// exactly what a run removed, added or changed.

#include <map>
#include <string>
#include <vector>

namespace bx::test {

using Text = std::string;

// Entry names: "F <path>" for a file, "D <path>" for a folder,
// "K <root>\<key>" for a key, "V <root>\<key> : <value name>" for a value.
// The mapped text holds what may change (size, attributes, time, type, data).
using Snapshot = std::map<Text, Text>;

Snapshot TakeSnapshot();

// True when entry lies at or below one of the places, compared without regard
// to case: "C:\x" covers the folder C:\x and all in it, "HKLM\...\k" the key,
// its values and its subkeys.
bool IsUnder(const Text& entry, const std::vector<Text>& places);

// True when entry is exactly at one of the places (a key's values count as at the key).
bool IsAt(const Text& entry, const std::vector<Text>& places);

// The lines of a diff that do not match the expectation: every entry of
// before under mustGo removed, except those exactly at one of mustStay, which
// stay; entries exactly at mayGo may go or stay (where
// Windows and Wine differ); nothing else removed, added
// or changed. Empty when the run did exactly that.
std::vector<Text> UnexpectedChanges(const Snapshot& before, const Snapshot& after, const std::vector<Text>& mustGo,
                                    const std::vector<Text>& mustStay = {}, const std::vector<Text>& mayGo = {});

}  // namespace bx::test
