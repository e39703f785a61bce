#include "app/core/ConsoleAbsenceText.h"

#include "texts/OwnTexts.h"

const char* ConsoleAbsenceText(ConsoleAbsence absence) {
    switch (absence) {
    case ConsoleAbsence::kNotFound:
        return Tr(kOwnTextNoConsoleFound);
    case ConsoleAbsence::kRefused:
        return Tr(kOwnTextConsoleRefused);
    case ConsoleAbsence::kNone:
        break;
    }
    return nullptr;
}
