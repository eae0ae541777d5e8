// Reads any bytes as a .staff file. The reader must never crash or trip a sanitizer, and a load
// that fails must say why and change nothing. A file that loads is written out again, which
// must not crash either and, when the writer refuses a record, must say why as well.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fake_locale.h"
#include "fuzz_file.h"
#include "records/last_error.h"
#include "records/load_observer.h"
#include "records/record_store.h"
#include "records/staff_reader.h"
#include "records/staff_writer.h"

namespace {

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
  write_fuzz_file(data, size);
  // Day first with '/', a '.' before decimals: one locale is enough, the file states its own.
  const fake_locale locale;
  silent_load_observer observer;
  data_set loaded;
  set_last_error("");
  if (!load_data(fuzz_file_path(), loaded, {locale, observer})) {
    // A failed load says why and leaves the data set it was given as it was.
    if (get_last_error().empty() || !loaded.file.file_name.empty() ||
        !loaded.records.staff_list.empty() || !loaded.records.staff_orig_list.empty()) {
      std::abort();
    }
    return 0;
  }
  // The load counts from the ids it gathered while it read; the records must agree.
  if (loaded.records.temporary_id_counter != first_temporary_id(loaded.records)) {
    std::abort();
  }
  check_writer(loaded, locale);
  return 0;
}
