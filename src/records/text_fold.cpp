#include "text_fold.h"

#include <array>

namespace {

// One run of Windows-1252 bytes and the plain character they fold to.
struct fold_run {
  unsigned char first;
  unsigned char last;
  char plain;
};

// Bytes of 128 and above that are not listed keep their value.
constexpr fold_run fold_runs[] = {
    {130, 130, ','}, {131, 131, 'f'},  {132, 132, ','}, {133, 133, '.'}, {134, 134, '+'},
    {138, 138, 'S'}, {139, 139, '<'},  {140, 140, 'A'}, {142, 142, 'Z'}, {145, 146, '\''},
    {147, 148, '"'}, {149, 149, '\''}, {150, 151, '-'}, {152, 152, '"'}, {154, 154, 's'},
    {155, 155, '>'}, {156, 156, 'a'},  {158, 158, 'z'}, {159, 159, 'Y'}, {160, 160, ' '},
    {161, 161, 'i'}, {162, 162, 'o'},  {165, 165, 'Y'}, {181, 181, 'p'}, {186, 186, 'o'},
    {192, 198, 'A'}, {199, 199, 'C'},  {200, 203, 'E'}, {204, 207, 'I'}, {208, 208, 'D'},
    {209, 209, 'N'}, {210, 214, 'O'},  {215, 215, 'x'}, {216, 216, 'O'}, {217, 220, 'U'},
    {221, 221, 'Y'}, {222, 222, 't'},  {223, 223, 'S'}, {224, 230, 'a'}, {231, 231, 'c'},
    {232, 235, 'e'}, {236, 239, 'i'},  {240, 240, 'd'}, {241, 241, 'n'}, {242, 246, 'o'},
    {247, 247, '-'}, {248, 248, 'o'},  {249, 252, 'u'}, {253, 253, 'y'}, {254, 254, 'b'},
    {255, 255, 'y'},
};

constexpr std::array<char, 256> build_fold_table() {
  std::array<char, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    table[byte] = static_cast<char>(byte);
  }
  for (const fold_run& run : fold_runs) {
    for (int byte = run.first; byte <= run.last; ++byte) {
      table[byte] = run.plain;
    }
  }
  return table;
}

constexpr std::array<char, 256> fold_table = build_fold_table();

}  // namespace

char strip_accent(unsigned char c) {
  return fold_table[c];
}

std::string strip_accents(std::string_view text) {
  std::string folded(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    folded[i] = strip_accent(static_cast<unsigned char>(text[i]));
  }
  return folded;
}
