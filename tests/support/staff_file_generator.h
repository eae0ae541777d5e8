#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Random but valid .staff files, for the round-trip test and the benchmarks. Every column is
// filled from the column tables by its type: integers within their field's width, texts of
// Windows-1252 bytes (never a double quote, carriage return or line feed) within their capacity,
// dates in the file's date order, heights and weights with two decimals and the file's decimal
// separator (the form the writer gives them, so they come back unchanged). The same options
// always give the same bytes.
//
// The file holds `staff_count` staff records in random id order and, per staff record, about
// `items_per_staff` items spread over the seventeen kinds. Most records have an original, some
// of which differ from the record; some have none; a few originals belong to no current record.
struct staff_file_options {
  std::uint64_t seed = 1;
  int staff_count = 20;
  int items_per_staff = 40;               // at least one of every kind from 17 on
  std::string date_order = "dd_mm_yyyy";  // the file's date order
  char date_separator = '/';              // of the sample-date line
  char decimal_separator = '.';           // ',' or '.'
  // Forms the reader accepts besides the writer's own: an "IMPORTED" line, comment and blank
  // lines, CR LF line ends, keywords and headers in other letter cases, shortened headers, the
  // staff header with its ';', unpadded dates with mixed separators, sections given in two parts
  // or without their originals keyword (the reader then copies the records).
  bool variations = true;
};

// The whole file in memory.
std::string generate_staff_file(const staff_file_options& options);

// The same bytes written to `path`, without holding the whole file in memory; false when the
// file cannot be written.
bool write_generated_staff_file(const std::filesystem::path& path,
                                const staff_file_options& options);
