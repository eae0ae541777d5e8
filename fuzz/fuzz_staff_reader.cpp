// Reads any bytes as a .staff file. The reader must never crash or trip a sanitizer, and a load
// that fails must say why and change nothing. A file that loads is written out again, which
// must not crash either and, when the writer refuses a record, must say why as well.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fake_locale.h"
#include "records/last_error.h"
#include "records/load_observer.h"
#include "records/staff_reader.h"
#include "records/staff_writer.h"

namespace {

// The reader takes a path, so every input goes through one temporary file of this process.
const std::string& input_path() {
  static const std::string path = [] {
    char name[] = "/tmp/fuzz_staff_reader_XXXXXX";
    const int descriptor = mkstemp(name);
    if (descriptor < 0) {
      std::abort();
    }
    close(descriptor);
    std::atexit([] { std::remove(input_path().c_str()); });
    return std::string(name);
  }();
  return path;
}

void write_input(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(input_path().c_str(), "wb");
  if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
    std::abort();
  }
}

void check_writer(data_set& data, const system_locale& locale) {
  char* buffer = nullptr;
  std::size_t length = 0;
  std::FILE* out = open_memstream(&buffer, &length);
  if (out == nullptr) {
    std::abort();
  }
  set_last_error("");
  const bool written = write_staff_file(out, data, locale);
  std::fclose(out);
  std::free(buffer);
  if (!written && get_last_error().empty()) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  write_input(data, size);
  // Day first with '/', a '.' before decimals: one locale is enough, the file states its own.
  const fake_locale locale;
  silent_load_observer observer;
  data_set loaded;
  set_last_error("");
  if (!load_data(input_path(), loaded, {locale, observer})) {
    // A failed load says why and leaves the data set it was given as it was.
    if (get_last_error().empty() || !loaded.file.file_name.empty() ||
        !loaded.records.staff_list.empty() || !loaded.records.staff_orig_list.empty()) {
      std::abort();
    }
    return 0;
  }
  check_writer(loaded, locale);
  return 0;
}
