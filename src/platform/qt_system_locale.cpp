#include "platform/qt_system_locale.h"

#include <QDateTime>

#include "platform/win1252.h"

namespace {

// The first character between two fields of a date or time format, skipping quoted literals
// and blanks: "dd.MM.yy" gives '.', "yyyy. MM. dd." gives '.', "H:mm" gives ':'.
char separator_of_format(const QString& format, char fallback) {
  bool in_quote = false;
  bool seen_field = false;
  for (const QChar c : format) {
    if (c == u'\'') {
      in_quote = !in_quote;
      continue;
    }
    if (in_quote)
      continue;
    if (c.isLetter()) {
      seen_field = true;
    } else if (seen_field && !c.isSpace()) {
      const std::string encoded = to_win1252(QString(c));
      return encoded[0] != '?' ? encoded[0] : fallback;
    }
  }
  return fallback;
}

// Windows short dates show the year in full; a Qt short format often has "yy".
QString with_full_year(QString format) {
  if (!format.contains(QStringLiteral("yyyy")))
    format.replace(QStringLiteral("yy"), "yyyy");
  return format;
}

// The long time is the short time with seconds: Qt's own long formats carry a time zone and, in
// some locales, words ("H時mm分ss秒").
QString with_seconds(QString format, char separator) {
  if (!format.contains(QStringLiteral("ss"))) {
    format.replace(QStringLiteral("mm"), QStringLiteral("mm") + QLatin1Char(separator) + "ss");
  }
  return format;
}

char single_byte(const QString& text, char fallback) {
  const std::string encoded = to_win1252(text);
  return encoded.size() == 1 && encoded[0] != '?' ? encoded[0] : fallback;
}

// The group separator as Windows-1252 bytes; the narrow no-break space has no byte of its own,
// so it becomes the no-break space.
std::string thousands_bytes(QString separator) {
  separator.replace(QChar(0x202F), QChar(0x00A0));
  return to_win1252(separator);
}

}  // namespace

qt_system_locale::qt_system_locale(const QLocale& locale)
    : locale_(locale),
      short_date_format_(with_full_year(locale.dateFormat(QLocale::ShortFormat))),
      date_separator_(separator_of_format(short_date_format_, '/')),
      time_separator_(separator_of_format(locale.timeFormat(QLocale::ShortFormat), ':')),
      long_time_format_(with_seconds(locale.timeFormat(QLocale::ShortFormat), time_separator_)),
      decimal_separator_(single_byte(locale.decimalPoint(), '.')),
      thousands_separator_(thousands_bytes(locale.groupSeparator())) {}

std::string qt_system_locale::format_short_date(int year, int month, int day) const {
  return to_win1252(locale_.toString(QDate(year, month, day), short_date_format_));
}

std::string qt_system_locale::format_date_time(const date_time& moment) const {
  const QTime time(moment.hour, moment.minute, moment.second);
  return format_short_date(moment.year, moment.month, moment.day) + ' ' +
         to_win1252(locale_.toString(time, long_time_format_));
}

date_time qt_system_clock::now() const {
  const QDateTime moment = QDateTime::currentDateTime();
  const QDate date = moment.date();
  const QTime time = moment.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}
