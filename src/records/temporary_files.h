#pragma once

#include <filesystem>
#include <string>

// The temporary files that saves write beside the file they replace. Each name carries the id
// of the process that writes it, and the writing save holds a lock on the file until it is in
// its place, so that a file left by a save that was killed can be told from one a running save
// is writing, also from another computer that shares the folder.

// A fresh name, ".staff-<process id>-<12 hex digits>.tmp": short, so that a target name of any
// allowed length still leaves room for it.
std::string temporary_file_name();

// Takes the lock that marks the temporary file just created at `path` as being written. False
// when another process holds it, or when the file no longer has the name: a sweep removed it
// before the lock was taken. A file system without locks leaves the file to the process id
// alone.
bool lock_temporary_file(int descriptor, const std::filesystem::path& path);

// Removes the temporary files in the folder whose save no longer runs: the process their name
// carries is gone and nobody holds their lock. The file at `kept`, the one just saved, stays
// whatever its name, as do files of other names, files that are no regular files and those it
// cannot examine or lock.
void remove_abandoned_temporary_files(const std::filesystem::path& folder,
                                      const std::filesystem::path& kept);
