#pragma once

#include <string>

// Dates and times of spreadsheets as a refused cell shows them: YYYY-MM-DD, HH:MM:SS.

// What a number format of an .xlsx makes of its number.
enum class NumberFormatKind { Number, Date, Time };

// The built-in format ids 14 to 22 and 45 to 47 are dates and times; a custom format
// (`code`, empty for a built-in one) is a date when it holds d or y, a time when it holds
// h or s, a date (a month) when it holds m only, outside quotes, brackets and escapes.
NumberFormatKind FormatKindOf(int id, const std::string& code);

// An .xlsx date number (days since the workbook's epoch, the day's fraction the time)
// as YYYY-MM-DD, followed by " HH:MM:SS" when the day is not whole; `raw` when the
// number is no date Excel can show.
std::string SerialDateText(double serial, bool epoch1904, const std::string& raw);
// An .xlsx time number (a fraction of a day, or more for a duration) as HH:MM:SS.
std::string SerialTimeText(double serial, const std::string& raw);
// An ISO 8601 date ("2026-12-08", "2026-12-08T10:30:00.5") as YYYY-MM-DD[ HH:MM:SS].
std::string IsoDateText(const std::string& iso);
// An ISO 8601 duration as OpenDocument writes times ("PT12H30M00S") as HH:MM:SS; the
// text unchanged when it is not one.
std::string IsoTimeText(const std::string& iso);
