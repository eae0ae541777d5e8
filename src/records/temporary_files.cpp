#include "temporary_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <random>
#include <string_view>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view name_start = ".staff-";
constexpr std::string_view name_end = ".tmp";
constexpr std::size_t random_digits = 12;
constexpr std::string_view hex_digits = "0123456789abcdef";

// The process id a temporary file's name carries; nothing for any other name.
std::optional<pid_t> writer_of(std::string_view name) {
  if (!name.starts_with(name_start) || !name.ends_with(name_end)) {
    return std::nullopt;
  }
  name.remove_prefix(name_start.size());
  name.remove_suffix(name_end.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || name.size() - dash - 1 != random_digits ||
      name.find_first_not_of(hex_digits, dash + 1) != std::string_view::npos) {
    return std::nullopt;
  }
  pid_t process = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + dash, process);
  if (error != std::errc() || end != name.data() + dash || process <= 0) {
    return std::nullopt;
  }
  return process;
}

// A process that exists, even of another user, counts as running.
bool is_running(pid_t process) {
  return ::kill(process, 0) == 0 || errno != ESRCH;
}

bool same_file(const struct stat& one, const struct stat& other) {
  return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// True when the open file is still the one the name leads to: not removed, nor replaced by
// another.
bool is_linked_as(int descriptor, const fs::path& path) {
  struct stat opened {};
  struct stat named {};
  return ::fstat(descriptor, &opened) == 0 && opened.st_nlink > 0 &&
         ::lstat(path.c_str(), &named) == 0 && same_file(opened, named);
}

// Removes the file when it is a regular file other than `kept` and its lock can be taken: no
// save writes it any more. Its type is known before it is opened, so that a pipe or device
// planted at the name is never opened; opened without following a link or waiting, and for
// writing, which some file systems need for the lock; a file the user may not write stays.
void remove_if_unlocked(const fs::path& path, const struct stat* kept) {
  struct stat named {};
  if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) ||
      (kept != nullptr && same_file(named, *kept))) {
    return;
  }
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) {
    return;
  }
  struct stat opened {};
  // Only the file examined is removed, and only while it still has the name.
  if (::fstat(descriptor, &opened) == 0 && same_file(opened, named) &&
      ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && is_linked_as(descriptor, path)) {
    ::unlink(path.c_str());
  }
  ::close(descriptor);
}

}  // namespace

std::string temporary_file_name() {
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::string name = std::string(name_start) + std::to_string(::getpid()) + "-";
  std::uint64_t bits = random();
  for (std::size_t digit = 0; digit < random_digits; ++digit, bits >>= 4) {
    name += hex_digits[bits & 15];
  }
  return name += name_end;
}

bool lock_temporary_file(int descriptor, const fs::path& path) {
  const bool locked = ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
  // Until the lock was taken, a sweep that cannot see the writing process, from another
  // computer or another set of process ids, took the file for a leftover and may have removed
  // it.
  return locked && is_linked_as(descriptor, path);
}

void remove_abandoned_temporary_files(const fs::path& folder, const fs::path& kept) {
  struct stat kept_status {};
  const bool kept_exists = ::stat(kept.c_str(), &kept_status) == 0;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::optional<pid_t> writer = writer_of(entry->path().filename().native());
    if (writer && !is_running(*writer)) {
      remove_if_unlocked(entry->path(), kept_exists ? &kept_status : nullptr);
    }
  }
}
