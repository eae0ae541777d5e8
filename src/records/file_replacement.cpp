#include "file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>

#include "last_error.h"
#include "temporary_files.h"

namespace {

namespace fs = std::filesystem;

constexpr int max_link_depth = 40;
constexpr int max_name_attempts = 100;

// The file a chain of symbolic links ends at; the path itself when it is no link. A missing
// file ends the chain: saving creates it where the last link points. The error says why the
// chain could not be followed: a folder that cannot be entered, a loop.
std::error_code resolve_links(fs::path& path) {
  for (int depth = 0; depth < max_link_depth; ++depth) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (!fs::is_symlink(status)) {
      // none: the path could not be examined; a missing file is no error here
      return status.type() == fs::file_type::none ? error : std::error_code();
    }
    const fs::path next = fs::read_symlink(path, error);
    if (error) {
      return error;
    }
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// Why the file may not be written, or nothing when it may.
std::optional<std::string> read_only_reason(const fs::path& target, fs::perms permissions) {
  constexpr fs::perms any_write =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  // The mode bits count as well: the super-user may write anything, but a file nobody may
  // write was made read-only on purpose.
  if ((permissions & any_write) == fs::perms::none) {
    return "the file is read-only";
  }
  if (::access(target.c_str(), W_OK) != 0) {
    return "the file is read-only (" + system_reason(errno) + ")";
  }
  return std::nullopt;
}

// Creates a temporary file of a fresh name in the folder, with the mode, and takes its lock;
// the descriptor, or -1 with errno set.
int create_temporary_file(const fs::path& folder, mode_t mode, fs::path& path) {
  for (int attempt = 0; attempt < max_name_attempts; ++attempt) {
    path = folder / temporary_file_name();
    // Exclusive, so that neither another save nor a link planted at the name is ever written
    // through; the mode is the target's from the start.
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (descriptor < 0 && errno != EEXIST) {
      return -1;
    }
    if (descriptor >= 0) {
      if (lock_temporary_file(descriptor, path)) {
        return descriptor;
      }
      // A save on another computer that cleans the folder took the lock first: it removes
      // the file, or has removed it already.
      ::close(descriptor);
    }
  }
  errno = EEXIST;
  return -1;
}

fs::path folder_of(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Fsyncs the folder, so that the rename itself is on disk too; a failure here changes nothing
// the user could act on, so it is not reported.
void sync_folder(const fs::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor >= 0) {
    ::fsync(descriptor);
    ::close(descriptor);
  }
}

}  // namespace

file_replacement::~file_replacement() {
  if (stream_ != nullptr) {
    std::fclose(stream_);
  }
  if (!temporary_.empty()) {
    std::error_code error;
    fs::remove(temporary_, error);
  }
  if (lock_ >= 0) {
    ::close(lock_);
  }
}

bool file_replacement::fail(const std::string& reason) {
  set_last_error("save_data failed to open file " + path_ + ": " + reason);
  return false;
}

bool file_replacement::open(const std::string& path) {
  path_ = path;
  target_ = path;
  if (const std::error_code error = resolve_links(target_)) {
    return fail(error.message());
  }
  std::error_code error;
  const fs::file_status status = fs::status(target_, error);
  // Only a regular file is replaced: a device or a folder at the path is never renamed over.
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    return fail("it is not a regular file");
  }
  // A new file gets the usual mode, narrowed by the umask; a replaced one keeps its own.
  const bool replacing = fs::exists(status);
  const auto mode =
      static_cast<mode_t>(replacing ? status.permissions() & fs::perms::mask : fs::perms(0666));
  if (replacing) {
    if (const std::optional<std::string> reason = read_only_reason(target_, status.permissions())) {
      return fail(*reason);
    }
  }
  const fs::path folder = folder_of(target_);
  lock_ = create_temporary_file(folder, mode, temporary_);
  if (lock_ < 0) {
    const int reason = errno;
    temporary_.clear();
    if (reason == EACCES || reason == EPERM || reason == EROFS) {
      return fail("the folder " + folder.string() +
                  " allows no new file, which saving needs beside the file (" +
                  system_reason(reason) + ")");
    }
    return fail(system_reason(reason));
  }
  // The umask may have narrowed the mode of a replaced file; it is widened only up to the
  // file's own.
  if (replacing) {
    ::fchmod(lock_, mode);
  }
  // The stream writes through a descriptor of its own, so that the lock, which stays with the
  // first, lasts until the file is in its place. The copy keeps close-on-exec, as every
  // descriptor of the save has it: a process started meanwhile must not hold the file open.
  const int written = ::fcntl(lock_, F_DUPFD_CLOEXEC, 0);
  stream_ = written < 0 ? nullptr : ::fdopen(written, "wb");
  if (stream_ == nullptr) {
    const int reason = errno;
    if (written >= 0) {
      ::close(written);
    }
    return fail(system_reason(reason));
  }
  return true;
}

bool file_replacement::commit() {
  // The first failure gives the reason: a full disk often shows only when the data is synced.
  int error = 0;
  if (std::fflush(stream_) != 0 || ::fsync(::fileno(stream_)) != 0) {
    error = errno;
  }
  if (std::fclose(stream_) != 0 && error == 0) {
    error = errno;
  }
  stream_ = nullptr;
  if (error != 0) {
    set_last_error("save_data - write failed: " + system_reason(error));
    return false;
  }
  std::error_code rename_error;
  fs::rename(temporary_, target_, rename_error);
  if (rename_error) {
    set_last_error("save_data failed to replace file " + path_ + ": " + rename_error.message());
    return false;
  }
  temporary_.clear();
  const fs::path folder = folder_of(target_);
  sync_folder(folder);
  // Saves killed while they wrote left their temporary files here; those that no save writes
  // any more go now, after the replacement: the file saved may itself bear such a name (a
  // leftover the user opened to recover it), and a sweep before would have taken it from the
  // backup, or from the user when the save failed.
  remove_abandoned_temporary_files(folder, target_);
  return true;
}
