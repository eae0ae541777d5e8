#pragma once

#include <QImage>
#include <cstdint>
#include <string_view>

// One colour of the skin-tone recolouring. Only the low 8 bits of each channel are used.
class tolvan_colour {
 public:
  void set_red(std::int32_t value) { red_ = value; }
  void set_green(std::int32_t value) { green_ = value; }
  void set_blue(std::int32_t value) { blue_ = value; }
  std::int32_t get_red() const { return red_; }
  std::int32_t get_green() const { return green_; }
  std::int32_t get_blue() const { return blue_; }

 private:
  std::int32_t red_ = 0;
  std::int32_t green_ = 0;
  std::int32_t blue_ = 0;
};

// A skin colour entry "red;green;blue;code" of the skin colour list: the code is the number
// after the last ';', the colour fields are taken off from the end one by one, and what is left
// after three is read whole as the red value. False when a field is missing or not a whole
// number; the outputs are then left as they were.
bool parse_skin_colour_entry(std::string_view entry, tolvan_colour& colour, int& code);

// The entry's colour as drawn: each channel taken modulo 256.
QColor skin_colour_of(const tolvan_colour& colour);

// Recolours a head template in place. The picture is first converted to 24-bit colour, whatever
// its own depth. A pixel whose red, green and blue all exceed 100 becomes white; in every other
// pixel the green value weighs `second` against `base` and the blue value weighs `third`
// against that, per channel, with shifts by 8 for divisions by 255 (the red value takes no
// part). Pixels of the bottom-left pixel's resulting colour are then made fully transparent.
// A null picture stays null.
void recolour_bitmap(QImage& bitmap, const tolvan_colour& base, const tolvan_colour& second,
                     const tolvan_colour& third);
