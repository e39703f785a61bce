#pragma once

#include <string>

// An OLE automation date (days since 1899-12-30, the fraction the time of day) written in a
// date-time form of letters: yyyy or yy the year, mm or m the month, dd or d the day, hh or h
// the hour, nn or n the minute, ss or s the second; any other character stands for itself.
// Letters are read ignoring case. The time of day is rounded to the nearest second.
std::string FormatOleDate(double date, const std::string& form);

// Calendar parts of an OLE date, for stepping by months and years.
struct OleDateParts {
    int year, month, day;
    int hour, minute, second;
};
OleDateParts SplitOleDate(double date);
double JoinOleDate(int year, int month, int day);
