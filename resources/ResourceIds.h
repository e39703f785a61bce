#pragma once

// The ids of the program's resources, commands and template controls. The resource scripts
// include this header and address everything by these names; the code uses the same names.
// Only plain "inline constexpr int NAME = number;" lines: the script reader reads them too.

// ---- Resources ----
// The About box, one for every language: its caption comes from the text table.
inline constexpr int IDD_ABOUTBOX = 100;

// Menu, accelerator table, icon and prompt strings of the main frame, one set per language.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_MAINFRAME_GERMAN = 131;
inline constexpr int IDR_MAINFRAME_DANISH = 298;

// The main form, one per language.
inline constexpr int IDD_MAIN_FORM = 101;
inline constexpr int IDD_MAIN_FORM_GERMAN = 132;
inline constexpr int IDD_MAIN_FORM_DANISH = 294;

// The debug dialog, English only.
inline constexpr int IDD_DEBUG = 140;
// The language dialog, one for every language: it takes its texts from the text table.
inline constexpr int IDD_LANGUAGE = 293;

// Pictures.
inline constexpr int IDB_TOOLBAR = 128;       // the toolbar's button strip
inline constexpr int IDB_LINK_DOWN = 130;     // status-bar link picture, console not reached
inline constexpr int IDB_LINK_UP = 132;       // status-bar link picture, console connected
inline constexpr int IDB_BELL_BLINK = 135;    // alarm bell, second blink phase
inline constexpr int IDB_BELL_ALARM = 139;    // alarm bell, alarm active
inline constexpr int IDB_BELL_ENABLED = 142;  // alarm bell, alarm enabled and quiet
inline constexpr int IDB_COMPASS = 171;       // compass rose of the wind direction
inline constexpr int IDB_BELL_DISABLED = 227; // alarm bell, alarm not enabled

// ---- Commands ----
inline constexpr int ID_DEBUG = 32771;
inline constexpr int ID_LANGUAGE = 32772;
inline constexpr int ID_SYSTEM_SCOPE = 32779;
inline constexpr int ID_SYSTEM_SETUP = 32783;
inline constexpr int ID_RECORD_HISTORY = 32785;
inline constexpr int ID_SYSTEM_ALARM = 32786;
inline constexpr int ID_RECORD_GRAPH = 32788;

// Commands and strings every desktop frame has, with their customary numbers.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_INDICATOR_STATUS = 57638; // its string sizes the link pane
inline constexpr int IDS_APP_TITLE = 57344;
inline constexpr int IDS_IDLE_MESSAGE = 57345;
inline constexpr int IDS_UNTITLED = 61443;

// ---- About box ----
inline constexpr int IDC_ABOUT_UPDATE_LINK = 1002;
inline constexpr int IDC_ABOUT_VERSION = 1011;
inline constexpr int IDC_ABOUT_COPYRIGHT = 1012;
inline constexpr int IDC_ABOUT_DESCRIPTION = 1013;

// ---- Debug dialog ----
inline constexpr int IDC_DEBUG_CLEAR = 1022;
inline constexpr int IDC_DEBUG_LOG = 1025;
inline constexpr int IDC_DEBUG_WRITE = 1026;
inline constexpr int IDC_DEBUG_READ = 1027;
inline constexpr int IDC_DEBUG_DATA = 1028;
inline constexpr int IDC_DEBUG_SETUP_READ = 1029;
inline constexpr int IDC_DEBUG_DATA_READ = 1030;
inline constexpr int IDC_DEBUG_RECORD_NO_LABEL = 1031;
inline constexpr int IDC_DEBUG_RECORD_NO = 1056;

// ---- Language dialog ----
inline constexpr int IDC_LANGUAGE_SAVE = 1028;
inline constexpr int IDC_LANGUAGE_GROUP = 1171;
inline constexpr int IDC_LANGUAGE_LIST = 10213;

// ---- Main form ----
// Gauges.
inline constexpr int IDC_WIND_LEVEL_BAR = 1079;
inline constexpr int IDC_GUST_LEVEL_BAR = 1080;
inline constexpr int IDC_INDOOR_THERMOMETER = 1081;
inline constexpr int IDC_RAIN_HOUR_BAR = 1082;
inline constexpr int IDC_RAIN_DAY_BAR = 1083;
inline constexpr int IDC_RAIN_WEEK_BAR = 1084;
inline constexpr int IDC_RAIN_MONTH_BAR = 1085;
inline constexpr int IDC_RAIN_TOTAL_BAR = 1086;
inline constexpr int IDC_OUTDOOR_THERMOMETER = 1087;
inline constexpr int IDC_COMPASS = 10036;

// Live values.
inline constexpr int IDC_INDOOR_TEMPERATURE = 10009;
inline constexpr int IDC_INDOOR_HUMIDITY = 10041;
inline constexpr int IDC_OUTDOOR_TEMPERATURE = 10015;
inline constexpr int IDC_OUTDOOR_HUMIDITY = 10025;
inline constexpr int IDC_DEWPOINT = 10016;
inline constexpr int IDC_WINDCHILL = 10017;
inline constexpr int IDC_ABSOLUTE_PRESSURE = 10221;
inline constexpr int IDC_RELATIVE_PRESSURE = 10220;
inline constexpr int IDC_WIND_SPEED = 10035;
inline constexpr int IDC_GUST_SPEED = 10034;
inline constexpr int IDC_WIND_DIRECTION = 10039;
inline constexpr int IDC_WIND_LEVEL = 10037;
inline constexpr int IDC_GUST_LEVEL = 10038;
inline constexpr int IDC_RAIN_HOUR = 1048;
inline constexpr int IDC_RAIN_DAY = 10019;
inline constexpr int IDC_RAIN_WEEK = 10020;
inline constexpr int IDC_RAIN_MONTH = 10033;
inline constexpr int IDC_RAIN_TOTAL = 1024;
inline constexpr int IDC_LIGHT = 10022;
inline constexpr int IDC_UV = 10018;

// Minimum and maximum values.
inline constexpr int IDC_INDOOR_HUMIDITY_MAX = 10061;
inline constexpr int IDC_INDOOR_HUMIDITY_MIN = 10059;
inline constexpr int IDC_OUTDOOR_HUMIDITY_MAX = 10057;
inline constexpr int IDC_OUTDOOR_HUMIDITY_MIN = 10055;
inline constexpr int IDC_INDOOR_TEMPERATURE_MAX = 10048;
inline constexpr int IDC_INDOOR_TEMPERATURE_MIN = 10050;
inline constexpr int IDC_OUTDOOR_TEMPERATURE_MAX = 10046;
inline constexpr int IDC_OUTDOOR_TEMPERATURE_MIN = 10045;
inline constexpr int IDC_WINDCHILL_MAX = 10085;
inline constexpr int IDC_WINDCHILL_MIN = 10084;
inline constexpr int IDC_DEWPOINT_MAX = 10068;
inline constexpr int IDC_DEWPOINT_MIN = 10066;
inline constexpr int IDC_ABSOLUTE_PRESSURE_MAX = 10075;
inline constexpr int IDC_ABSOLUTE_PRESSURE_MIN = 10076;
inline constexpr int IDC_RELATIVE_PRESSURE_MAX = 10072;
inline constexpr int IDC_RELATIVE_PRESSURE_MIN = 10070;
inline constexpr int IDC_WIND_SPEED_MAX = 10174;
inline constexpr int IDC_GUST_SPEED_MAX = 10173;
inline constexpr int IDC_RAIN_HOUR_MAX = 10087;
inline constexpr int IDC_RAIN_DAY_MAX = 10089;
inline constexpr int IDC_RAIN_WEEK_MAX = 10091;
inline constexpr int IDC_RAIN_MONTH_MAX = 10093;
inline constexpr int IDC_RAIN_TOTAL_MAX = 10021;
inline constexpr int IDC_LIGHT_MAX = 10099;
inline constexpr int IDC_UV_MAX = 10079;

// Alarm bells.
inline constexpr int IDC_BELL_INDOOR_TEMPERATURE_HIGH = 1003;
inline constexpr int IDC_BELL_INDOOR_TEMPERATURE_LOW = 1004;
inline constexpr int IDC_BELL_INDOOR_HUMIDITY_HIGH = 1005;
inline constexpr int IDC_BELL_INDOOR_HUMIDITY_LOW = 1006;
inline constexpr int IDC_BELL_OUTDOOR_TEMPERATURE_HIGH = 1007;
inline constexpr int IDC_BELL_OUTDOOR_TEMPERATURE_LOW = 1008;
inline constexpr int IDC_BELL_OUTDOOR_HUMIDITY_HIGH = 1009;
inline constexpr int IDC_BELL_OUTDOOR_HUMIDITY_LOW = 1010;
inline constexpr int IDC_BELL_RELATIVE_PRESSURE_HIGH = 1011;
inline constexpr int IDC_BELL_DEWPOINT_HIGH = 1012;
inline constexpr int IDC_BELL_DEWPOINT_LOW = 1013;
inline constexpr int IDC_BELL_WINDCHILL_HIGH = 1014;
inline constexpr int IDC_BELL_WINDCHILL_LOW = 1015;
inline constexpr int IDC_BELL_WIND_LEVEL = 1016;
inline constexpr int IDC_BELL_WIND_SPEED = 1017;
inline constexpr int IDC_BELL_GUST_SPEED = 1018;
inline constexpr int IDC_BELL_RAIN_HOUR = 1019;
inline constexpr int IDC_BELL_RAIN_DAY = 1020;
inline constexpr int IDC_BELL_RELATIVE_PRESSURE_LOW = 1021;
inline constexpr int IDC_BELL_ABSOLUTE_PRESSURE_HIGH = 1023;
inline constexpr int IDC_BELL_ABSOLUTE_PRESSURE_LOW = 1025;
inline constexpr int IDC_BELL_GUST_LEVEL = 1026;
inline constexpr int IDC_BELL_WIND_DIRECTION = 1030;
inline constexpr int IDC_BELL_UV = 1031;
inline constexpr int IDC_BELL_LIGHT = 1032;
