#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// Replaces a file whole or not at all. The new content goes to a temporary file of a unique name
// created beside the file, which takes the file's place only once it is complete and on disk, so
// a failed or interrupted save, or another program saving the same file at the same moment,
// never leaves a half-written file. The temporary files that killed saves left in the folder
// are removed by the next successful save there. A symbolic link at the path is followed: the file
// it points to is replaced and the link stays.
class file_replacement {
 public:
  file_replacement() = default;
  file_replacement(const file_replacement&) = delete;
  file_replacement& operator=(const file_replacement&) = delete;
  ~file_replacement();  // removes the temporary file unless it was committed

  // Finds the file to replace and creates the temporary file. False, with the reason left by
  // set_last_error, when the path is no regular file, a link loops, a folder cannot be
  // entered, the file is read-only or its folder allows no new file; the system's reason ends
  // the message where it gives one.
  bool open(const std::string& path);
  std::FILE* stream() const { return stream_; }
  // Writes everything to disk and puts the temporary file in the place of the target. False,
  // with the reason left by set_last_error, when that failed; the target is then as before.
  bool commit();

 private:
  bool fail(const std::string& reason);  // "save_data failed to open file <path>: <reason>"

  std::string path_;              // as the caller gave it, for messages
  std::filesystem::path target_;  // the file replaced, links resolved
  std::filesystem::path temporary_;
  std::FILE* stream_ = nullptr;
  int lock_ = -1;  // holds the temporary file's lock (temporary_files.h) until it is in place
};
