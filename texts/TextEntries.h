#pragma once

#include <cstddef>

// The text-table entries the program speaks with, by name (Tr(kTextCantCommunicate)). The
// texts are the table's, in the current language; some stay half-translated on purpose.
enum TextEntry : std::size_t {
    kTextDateFormat = 0,            // "dd-MM-yyy", the date pickers' format
    kTextDisplayTimeFormat = 1,     // "%d-%m-%Y %H:%M", the display form of record times
    kTextDateTimeFormat = 2,        // "dd-mm-yyyy hh:nn:ss", the chart's time labels
    kTextStationName = 3,           // "Talvorin Radio Controlled"
    kTextAboutCaption = 20,         // "About Talvorin"
    kTextIndoorTemperature = 24,    // "Indoor Temperature"
    kTextOutdoorTemperature = 25,   // "Outdoor Temperature"
    kTextIndoorHumidity = 27,       // "Indoor Humidity"
    kTextOutdoorHumidity = 28,      // "Outdoor Humidity"
    kTextAbsolutePressure = 32,     // "Absolute Pressure"
    kTextRelativePressure = 33,     // "Relative Pressure"
    kTextWindchill = 34,            // "Windchill"
    kTextDewpoint = 35,             // "Dewpoint"
    kTextWind = 36,                 // "Wind"
    kTextGust = 37,                 // "Gust"
    kTextWindVelocity = 38,         // "Wind Velocity"
    kTextGustVelocity = 39,         // "Gust Velocity"
    kTextWindLevel = 41,            // "Wind Level"
    kTextGustLevel = 42,            // "Gust Level"
    kTextDirection = 43,            // "Direction"
    kTextRain = 44,                 // "Rain"
    kTextTotalRain = 46,            // "Total Rain"
    kTextHourRainfall = 47,         // "Hour Rainfall"
    kTextDayRainfall = 48,          // "24 hour Rainfall"
    kTextWeekRainfall = 49,         // "Week Rainfall"
    kTextMonthRainfall = 50,        // "Month Rainfall"
    kTextTotalRainfall = 51,        // "Total Rainfall"
    kTextIncrement = 52,            // "Increment"
    kTextLightmeter = 53,           // "lightmeter"
    kTextUv = 54,                   // "UV"
    kTextLanguageGroup = 56,        // "Language", the language dialog's group box
    kTextLanguageCaption = 57,      // "Language", the language dialog's caption
    kTextEnglish = 58,              // "English"
    kTextGerman = 59,               // "German"
    kTextDanish = 60,               // "Danish"
    kTextInterval = 64,             // "Interval"
    kTextUnit = 65,                 // "Unit"
    kTextTime = 69,                 // "Time"
    kTextSampleTime = 70,           // "Sample Time"
    kTextSave = 76,                 // "Save"
    kTextCancel = 77,               // "Cancel"
    kTextLine = 92,                 // the graph's one series type
    kTextWeather = 108,             // "Weather"
    kTextLanguageNotify = 127,      // "Operation Notify", the language dialog's caption
    kTextOperationNotify = 128,     // "Operation Notify", the caption of every question
    kTextEndBeforeStart = 142,      // "End time earlier than start time!"
    kTextReadDataFrom = 148,        // "Read data from"
    kTextDataRead = 149,            // "Data has been read."
    kTextComputeRain = 150,         // "Compute history rain data"
    kTextDataProcessed = 151,       // "Data has been processed."
    kTextSaveAllData = 152,         // "Save all data on PC"
    kTextLastReadTime = 153,        // "Last Read Time"
    kTextReadRecords = 154,         // "Read Records"
    kTextTotalRecords = 155,        // "Total Records"
    kTextSaveQuestion = 156,        // "Do you want save?"
    kTextDeleteQuestion = 157,      // "Do you want to delete selected items?"
    kTextClearDataQuestion = 158,   // "Do you want to clear all data on PC?"
    kTextClearMemoryQuestion = 159, // "Do you want to clear memory on the device?"
    kTextRestartQuestion = 160,     // "Do you want save and restart application?"
    kTextInitQuestion = 161,        // "Do you want init setup?"
    kTextFileNameTooLong = 162,     // "Filename is too long!"
    kTextSelectItemsFirst = 163,    // "Please select items at first!"
    kTextResetQuestion = 164,       // "Are you sure to reset min/max records on the device?"
    kTextAdministratorNeeded = 165, // "You need administrator privilege to run ..."
    kTextSelectData = 166,          // "Please select data!"
    kTextDeviceBusy = 167,          // "The device is busy! Please wait for a while."
    kTextCantCommunicate = 168,     // "Can't communicate with device!"
    kTextReadAlarmFailed = 169,     // "Read weather alarm data fail!"
    kTextReadSetupFailed = 170,     // "Read weather setup data fail!"
    kTextSaveSetupFailed = 172,     // "Save weather setup data fail!"
    kTextSaveAlarmFailed = 173,     // "Save weather alarm data fail!"
    kTextInitFailed = 174,          // "Init weather setup data fail!"
    kTextResetFailed = 175,         // "Reset min/max data fail!"
};
