// Reads any bytes as a .staff file and, when they load, saves and reloads them twice. Every file
// that loads must save, and its first save is its last form: the second save writes the same
// bytes. Only a legacy file, which states no date order, may change once more, as the next load
// brings the dates its first save kept as read into the order that save states; from the
// second save on the bytes stay the same. The records read back must equal the records written.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fake_locale.h"
#include "fuzz_file.h"
#include "records/last_error.h"
#include "records/load_observer.h"
#include "records/staff_reader.h"
#include "records/staff_writer.h"
#include "same_records.h"

namespace {

bool load(data_set& data, const system_locale& locale) {
  silent_load_observer observer;
  return load_data(fuzz_file_path(), data, {locale, observer});
}

// The bytes the writer makes of the data set; every data set that loaded must be writable.
std::string save(data_set& data, const system_locale& locale) {
  char* buffer = nullptr;
  std::size_t length = 0;
  std::FILE* out = open_memstream(&buffer, &length);
  if (out == nullptr) {
    std::abort();
  }
  const bool written = write_staff_file(out, data, locale);
  std::fclose(out);
  std::string bytes(buffer, length);
  std::free(buffer);
  if (!written) {
    std::fprintf(stderr, "a loaded file cannot be saved: %s\n", get_last_error().c_str());
    std::abort();
  }
  return bytes;
}

// Writes the bytes as the file, loads them and saves the result.
std::string reload_and_save(const std::string& bytes, data_set& data, const system_locale& locale) {
  write_fuzz_file(bytes.data(), bytes.size());
  if (!load(data, locale)) {
    std::fprintf(stderr, "a saved file does not load: %s\n", get_last_error().c_str());
    std::abort();
  }
  return save(data, locale);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Day first with '/', a '.' before decimals: one locale is enough, the file states its own.
  const fake_locale locale;
  write_fuzz_file(data, size);
  data_set first;
  if (!load(first, locale)) {
    return 0;
  }
  const std::string first_save = save(first, locale);
  const bool dates_converted_on_reload = first.file.file_date_order.empty();
  data_set second;
  const std::string second_save = reload_and_save(first_save, second, locale);
  if (second_save != first_save && !dates_converted_on_reload) {
    std::fprintf(stderr, "the first and second saves differ\n");
    std::abort();
  }
  data_set third;
  const std::string third_save = reload_and_save(second_save, third, locale);
  if (third_save != second_save) {
    std::fprintf(stderr, "the second and third saves differ\n");
    std::abort();
  }
  if (!same_records(second.records, third.records)) {
    std::fprintf(stderr, "the records read back differ from the records saved\n");
    std::abort();
  }
  return 0;
}
