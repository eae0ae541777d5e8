#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "records/file_replacement.h"
#include "records/last_error.h"
#include "records/program_paths.h"
#include "records/staff_writer.h"
#include "records/temporary_files.h"
#include "records_test_support.h"

// Each save writes a temporary file beside the file it replaces; a save killed while it writes
// leaves that file behind, and the next save in the folder removes it, but never the file of a
// save that still runs.

namespace {

std::string leftover_name(pid_t process) {
  return ".staff-" + std::to_string(process) + "-0123456789ab.tmp";
}

// A process that ran and is gone: its id names no process now.
pid_t ended_process() {
  const pid_t child = ::fork();
  if (child == 0) {
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
  return child;
}

// A process that runs until the object goes.
class running_process {
 public:
  running_process() {
    int ends[2];
    if (::pipe(ends) != 0) {
      return;
    }
    id_ = ::fork();
    if (id_ == 0) {
      ::close(ends[1]);
      char byte;
      (void)::read(ends[0], &byte, 1);  // returns when the parent closes its end
      ::_exit(0);
    }
    ::close(ends[0]);
    release_ = ends[1];
  }
  ~running_process() {
    ::close(release_);
    ::waitpid(id_, nullptr, 0);
  }
  pid_t id() const { return id_; }

 private:
  pid_t id_ = -1;
  int release_ = -1;
};

// Puts the program's folder, where backups go, elsewhere for one test.
struct program_folder_guard {
  explicit program_folder_guard(const std::filesystem::path& folder) { set_program_folder(folder); }
  ~program_folder_guard() { set_program_folder(saved); }
  std::filesystem::path saved = program_folder();
};

class AbandonedTemporaryFiles : public testing::Test {
 protected:
  bool save() {
    std::string backup_warning;
    data.file.file_name.clear();  // no backup: only the folder of the save counts here
    return save_data(target.string(), data, {locale, clock}, backup_warning);
  }

  scratch_folder folder;
  const std::filesystem::path target = folder / "Club.staff";
  fake_locale locale{"dd_mm_yyyy", '/'};
  fixed_clock clock{{2012, 12, 31, 14, 5, 9}};
  data_set data;
};

// The temporary files in the folder besides the target.
std::vector<std::string> temporary_files_in(const std::filesystem::path& folder) {
  std::vector<std::string> names = files_in(folder);
  std::erase(names, "Club.staff");
  return names;
}

TEST_F(AbandonedTemporaryFiles, TheNextSaveRemovesWhatKilledSavesLeft) {
  ASSERT_TRUE(load_file(fixture_path("every_section.staff"), data, locale));
  ASSERT_TRUE(save());
  const std::string saved = read_text_file(target);
  // Each killed save leaves its file; only a save that succeeds sweeps the folder.
  for (std::size_t kill = 0; kill < 3; ++kill) {
    const pid_t child = ::fork();
    if (child == 0) {
      file_replacement file;
      if (file.open(target.string())) {
        const std::string part(1 << 16, 'x');
        std::fwrite(part.data(), 1, part.size(), file.stream());
        std::fflush(file.stream());
        ::raise(SIGKILL);
      }
      ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::vector<std::string> left = temporary_files_in(folder.path());
    ASSERT_EQ(left.size(), kill + 1);
    const std::string killed = ".staff-" + std::to_string(child) + "-";
    EXPECT_EQ(
        std::ranges::count_if(left, [&](const auto& name) { return name.starts_with(killed); }), 1);
  }
  EXPECT_EQ(read_text_file(target), saved);

  ASSERT_TRUE(save());
  EXPECT_EQ(files_in(folder.path()), std::vector<std::string>{"Club.staff"});
  EXPECT_EQ(read_text_file(target), saved);
}

TEST_F(AbandonedTemporaryFiles, FilesOfSavesThatStillRunAndOtherFilesStay) {
  const running_process other_save;
  ASSERT_GT(other_save.id(), 0);
  const std::string running = leftover_name(other_save.id());
  const std::string ours = leftover_name(::getpid());
  const std::string ended = leftover_name(ended_process());
  // A process id of this computer that is gone, but the lock is held, as by a save on another
  // computer that shares the folder.
  const std::string locked = ".staff-" + std::to_string(ended_process()) + "-fedcba987654.tmp";
  const std::vector<std::string> unrelated = {".staff-0123456789ab.tmp", ".staff-1-notours.tmp",
                                              ".staff-x-0123456789ab.tmp", "notes.tmp"};
  for (const std::string& name : {running, ours, ended, locked}) {
    write_text_file(folder / name, "partial");
  }
  for (const std::string& name : unrelated) {
    write_text_file(folder / name, "other");
  }
  const int lock = ::open((folder / locked).c_str(), O_WRONLY | O_CLOEXEC);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(::flock(lock, LOCK_EX), 0);

  ASSERT_TRUE(save());
  std::vector<std::string> kept = unrelated;
  kept.insert(kept.end(), {running, ours, locked, "Club.staff"});
  std::ranges::sort(kept);
  EXPECT_EQ(files_in(folder.path()), kept);  // only the ended save's file went

  ::close(lock);
  ASSERT_TRUE(save());
  std::erase(kept, locked);
  EXPECT_EQ(files_in(folder.path()), kept);
}

// Something other than a regular file at a leftover's name is not the sweep's: a pipe with a
// reader would be opened for writing, a device opened at all might act.
TEST_F(AbandonedTemporaryFiles, APipeAtALeftoversNameIsNeitherOpenedNorRemoved) {
  const std::filesystem::path pipe = folder / leftover_name(ended_process());
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(reader, 0);
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, pipe.c_str(), IN_OPEN), 0);

  ASSERT_TRUE(save());
  inotify_event event;
  EXPECT_LT(::read(watch, &event, sizeof event), 0) << "the pipe was opened";
  EXPECT_EQ(std::filesystem::symlink_status(pipe).type(), std::filesystem::file_type::fifo);
  ::close(watch);
  ::close(reader);
}

// The descriptors the process has open.
std::vector<int> open_descriptors() {
  std::vector<int> descriptors;
  for (const std::string& name : files_in("/proc/self/fd")) {
    descriptors.push_back(std::stoi(name));
  }
  // The listing's own descriptor is closed by now.
  std::erase_if(descriptors, [](int descriptor) { return ::fcntl(descriptor, F_GETFD) < 0; });
  return descriptors;
}

// A process started while a file is saved, from another thread, must not inherit a descriptor
// of the save.
TEST_F(AbandonedTemporaryFiles, NoDescriptorOfASaveIsInheritedByAProcessStartedMeanwhile) {
  const std::vector<int> before = open_descriptors();
  file_replacement file;
  ASSERT_TRUE(file.open(target.string()));
  std::vector<int> opened = open_descriptors();
  std::erase_if(opened, [&](int descriptor) { return std::ranges::count(before, descriptor); });
  EXPECT_EQ(opened.size(), 2u);  // the lock's and the stream's
  for (const int descriptor : opened) {
    EXPECT_NE(::fcntl(descriptor, F_GETFD) & FD_CLOEXEC, 0) << "descriptor " << descriptor;
  }
}

// A user who opened what a killed save left, to recover it, and saves it under its own name:
// the file is backed up and replaced like any other, and a failed save leaves it whole.
TEST_F(AbandonedTemporaryFiles, AFileNamedLikeALeftoverIsSavedNotSwept) {
  const program_folder_guard program{folder / "program"};
  const std::filesystem::path recovered = folder / leftover_name(ended_process());
  std::filesystem::copy_file(fixture_path("every_section.staff"), recovered);
  const std::string before = read_text_file(recovered);
  ASSERT_TRUE(load_file(recovered, data, locale));
  std::string backup_warning;

  data.records.staff_job_orig_list[1]->Researcher = "R. \"Quote\"";  // cannot be written
  EXPECT_FALSE(save_data(recovered.string(), data, {locale, clock}, backup_warning));
  EXPECT_TRUE(get_last_error().starts_with("save_data - record 120")) << get_last_error();
  EXPECT_EQ(read_text_file(recovered), before);

  data.records.staff_job_orig_list[1]->Researcher = "R.";
  data.records.staff_list[0]->StaffFirstName = "Changed";
  EXPECT_TRUE(save_data(recovered.string(), data, {locale, clock}, backup_warning));
  EXPECT_EQ(backup_warning, "");
  EXPECT_NE(read_text_file(recovered).find("\"Changed\""), std::string::npos);
  EXPECT_EQ(files_in(folder.path()),
            (std::vector<std::string>{recovered.filename().string(), "program"}));
}

// A sweep that cannot see the writing process, from another computer or from another set of
// process ids, takes a save's new temporary file for a leftover until the save holds its lock;
// a save must not write a file the sweep removed in that moment, nor one that took its name.
TEST(TemporaryFileLock, IsTakenOnlyOnTheFileStillUnderItsName) {
  const scratch_folder folder;
  std::vector<int> held;  // descriptors of other processes' locks
  struct lock_case {
    const char* what_happened_before;
    std::function<void(const std::filesystem::path&)> happen;
    bool locked;
  };
  const lock_case cases[] = {
      {"nothing", [](const auto&) {}, true},
      {"a sweep removed it", [](const auto& path) { std::filesystem::remove(path); }, false},
      {"a sweep removed it and another file took the name",
       [](const auto& path) {
         std::filesystem::remove(path);
         write_text_file(path, "other");
       },
       false},
      {"another process took the lock",
       [&](const auto& path) {
         held.push_back(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
         ASSERT_EQ(::flock(held.back(), LOCK_EX), 0);
       },
       false},
  };
  for (const auto& [what_happened_before, happen, locked] : cases) {
    SCOPED_TRACE(what_happened_before);
    const std::filesystem::path path = folder / temporary_file_name();
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    ASSERT_GE(descriptor, 0);
    happen(path);
    EXPECT_EQ(lock_temporary_file(descriptor, path), locked);
    ::close(descriptor);
  }
  for (const int descriptor : held) {
    ::close(descriptor);
  }
}

}  // namespace
