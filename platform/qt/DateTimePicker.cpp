#include "platform/qt/DateTimePicker.h"

#include <QDateTimeEdit>
#include <QSignalBlocker>

namespace {

// The picker's letters and the Qt pattern each run of them becomes, by run length (the last
// entry serves for longer runs).
struct PatternLetter {
    char letter;
    const char* byLength[4];
};

const PatternLetter kPatternLetters[] = {
    {'d', {"d", "dd", "ddd", "dddd"}},
    {'M', {"M", "MM", "MMM", "MMMM"}},
    // A one-digit year has no Qt pattern: two digits are the nearest.
    {'y', {"yy", "yy", "yyyy", "yyyy"}},
    {'h', {"h", "hh", "hh", "hh"}},
    {'H', {"H", "HH", "HH", "HH"}},
    {'m', {"m", "mm", "mm", "mm"}},
    {'s', {"s", "ss", "ss", "ss"}},
    {'t', {"AP", "AP", "AP", "AP"}},
};

const PatternLetter* FindLetter(char c) {
    for (const PatternLetter& letter : kPatternLetters) {
        if (letter.letter == c)
            return &letter;
    }
    return nullptr;
}

// Text Qt shows as it stands: letters and quotes go in quotes.
QString Literal(const QString& text) {
    bool plain = true;
    for (QChar c : text)
        plain = plain && !c.isLetter() && c != u'\'';
    if (plain)
        return text;
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

} // namespace

QString PickerDisplayFormat(const std::string& customFormat) {
    const QString format = QString::fromStdString(customFormat);
    QString qt;
    QString literal;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            // 'text' stands as it is; '' inside it is one quote.
            ++i;
            while (i < format.size()) {
                if (format[i] == u'\'' && i + 1 < format.size() && format[i + 1] == u'\'') {
                    literal += u'\'';
                    i += 2;
                } else if (format[i] == u'\'') {
                    ++i;
                    break;
                } else {
                    literal += format[i++];
                }
            }
            continue;
        }
        const PatternLetter* letter = c.unicode() < 128 ? FindLetter(c.toLatin1()) : nullptr;
        if (!letter) {
            literal += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        qt += Literal(literal);
        literal.clear();
        qt += QString::fromLatin1(letter->byLength[std::min<qsizetype>(run, 4) - 1]);
        i += run;
    }
    return qt + Literal(literal);
}

void SetPickerFormat(QDateTimeEdit& picker, const std::string& customFormat) {
    picker.setDisplayFormat(PickerDisplayFormat(customFormat));
}

// The picker keeps the local wall-clock fields as they are, and the C library turns them into
// a time, as every local time of the program is built.
time_t PickerTime(const QDateTimeEdit& picker) {
    const QDateTime shown = picker.dateTime();
    std::tm fields{};
    fields.tm_year = shown.date().year() - 1900;
    fields.tm_mon = shown.date().month() - 1;
    fields.tm_mday = shown.date().day();
    fields.tm_hour = shown.time().hour();
    fields.tm_min = shown.time().minute();
    fields.tm_sec = shown.time().second();
    fields.tm_isdst = -1;
    return std::mktime(&fields);
}

void SetPickerTime(QDateTimeEdit& picker, time_t time) {
    std::tm fields{};
    localtime_r(&time, &fields);
    const QSignalBlocker quiet(picker);
    picker.setTimeSpec(Qt::UTC);
    picker.setDateTime(QDateTime(QDate(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday),
                                 QTime(fields.tm_hour, fields.tm_min, fields.tm_sec), Qt::UTC));
}
