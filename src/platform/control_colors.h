#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

// Colours as the program states them: 0x00BBGGRR, or a system colour with the top bit set
// (0x80000000 plus the system colour number), resolved through the application palette.
using tcolor = std::uint32_t;

inline constexpr tcolor clBlack = 0x000000;
inline constexpr tcolor clMaroon = 0x000080;
inline constexpr tcolor clGreen = 0x008000;
inline constexpr tcolor clOlive = 0x008080;
inline constexpr tcolor clNavy = 0x800000;
inline constexpr tcolor clPurple = 0x800080;
inline constexpr tcolor clTeal = 0x808000;
inline constexpr tcolor clGray = 0x808080;
inline constexpr tcolor clSilver = 0xC0C0C0;
inline constexpr tcolor clRed = 0x0000FF;
inline constexpr tcolor clLime = 0x00FF00;
inline constexpr tcolor clYellow = 0x00FFFF;
inline constexpr tcolor clBlue = 0xFF0000;
inline constexpr tcolor clFuchsia = 0xFF00FF;
inline constexpr tcolor clAqua = 0xFFFF00;
inline constexpr tcolor clWhite = 0xFFFFFF;
inline constexpr tcolor clMoneyGreen = 0xC0DCC0;
inline constexpr tcolor clBtnFace = 0x8000000F;
inline constexpr tcolor clWindow = 0x80000005;
inline constexpr tcolor clWindowText = 0x80000008;
inline constexpr tcolor clHighlight = 0x8000000D;
inline constexpr tcolor clHighlightText = 0x8000000E;

QColor color_from_bgr(tcolor color);

// The font colour of a label (or any control): kept on the control so it can be asked back
// exactly, and shown through the control's palette. clWindowText until set.
void set_font_color(QWidget* control, tcolor color);
tcolor font_color(const QWidget* control);

// Mouse cursors by the program's numbers.
enum tcursor : int { crDefault = 0, crHourGlass = -11, crHandPoint = -21 };

void set_control_cursor(QWidget* control, tcursor cursor);
tcursor control_cursor(const QWidget* control);
// The cursor over the whole application: crHourGlass while busy, crDefault afterwards.
void set_screen_cursor(tcursor cursor);
