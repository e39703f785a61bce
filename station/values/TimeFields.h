#pragma once

#include <string_view>

// The six fields of a time text "YYYY-MM-DD hh:mm:ss", as read: nothing is checked or clamped.
struct TimeFields {
    int year = -1;
    int month = -1;
    int day = -1;
    int hour = -1;
    int minute = -1;
    int second = -1;

    friend bool operator==(const TimeFields&, const TimeFields&) = default;
};

// Reads up to `wanted` fields (year first) the way scanf reads "%u-%u-%u %u:%u:%u": each number
// may follow white space and carry a sign, is taken modulo 2^32 and stored as a signed int; a
// blank in the pattern matches any white space. Returns how many fields were read; the others
// keep -1, which no field accepts as in range. Allocates nothing: record times are compared by
// the hundred thousand.
int ReadTimeFields(std::string_view text, TimeFields& fields, int wanted = 6);

// Brings each field into range, comparing as signed integers: a year below 1900 becomes 2000, a
// month outside 1..12 becomes 1, a day outside 1..31 becomes 1, an hour outside 0..23, a minute
// or a second outside 0..59 becomes 0. True when no field had to change. Day 31 of a shorter
// month passes; the time built from it falls on the first of the next month.
bool ClampTimeFields(int& year, int& month, int& day, int& hour, int& minute, int& second);

// Calendar day number of a date, counted from 1970-01-01 (day 0), on the proleptic Gregorian
// calendar. Months and days out of range carry over as mktime does: month 13 is January of the
// next year, 31 April is 1 May. No time zone is involved.
long long DayNumber(long long year, long long month, long long day);
