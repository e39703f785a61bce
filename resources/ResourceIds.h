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

// The history dialog and its column chooser, one per language.
inline constexpr int IDD_GRID_EXPORT = 207;
inline constexpr int IDD_HISTORY = 291;
inline constexpr int IDD_HISTORY_GERMAN = 302;
inline constexpr int IDD_HISTORY_DANISH = 303;
inline constexpr int IDD_GRID_EXPORT_GERMAN = 306;
inline constexpr int IDD_GRID_EXPORT_DANISH = 307;

// The setup, alarm and min/max dialogs, one per language.
inline constexpr int IDD_ALARM = 288;
inline constexpr int IDD_SETUP = 289;
inline constexpr int IDD_SCOPE = 290;
inline constexpr int IDD_SETUP_GERMAN = 298;
inline constexpr int IDD_SETUP_DANISH = 299;
inline constexpr int IDD_ALARM_GERMAN = 314;
inline constexpr int IDD_ALARM_DANISH = 315;
inline constexpr int IDD_SCOPE_GERMAN = 318;
inline constexpr int IDD_SCOPE_DANISH = 319;

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

// ---- History dialog ----
inline constexpr int IDC_HISTORY_SEARCH = 3;
inline constexpr int IDC_HISTORY_DELETE = 4;
inline constexpr int IDC_HISTORY_GRAPH = 5;
inline constexpr int IDC_HISTORY_EXPORT = 1002;
inline constexpr int IDC_HISTORY_CLEAR_DATA = 1022;
inline constexpr int IDC_HISTORY_LIST = 1025;
inline constexpr int IDC_HISTORY_REFRESH = 1029;
inline constexpr int IDC_HISTORY_CLEAR_MEMORY = 1031;
inline constexpr int IDC_HISTORY_START_DATE = 1088;
inline constexpr int IDC_HISTORY_RANGE = 1089;
inline constexpr int IDC_HISTORY_START_TIME = 1090;
inline constexpr int IDC_HISTORY_END_DATE = 1091;
inline constexpr int IDC_HISTORY_END_TIME = 1092;

// ---- Graph dialog ----
inline constexpr int IDD_GRAPH = 292;
inline constexpr int IDD_GRAPH_GERMAN = 310;
inline constexpr int IDD_GRAPH_DANISH = 311;
inline constexpr int IDC_GRAPH_SEARCH = 3;
inline constexpr int IDC_GRAPH_3D = 1001;
inline constexpr int IDC_GRAPH_EXPORT = 1002;
inline constexpr int IDC_GRAPH_PRINT = 1003;
inline constexpr int IDC_GRAPH_SERIES_LABEL = 1004;
inline constexpr int IDC_GRAPH_TYPE_LABEL = 1005;
inline constexpr int IDC_GRAPH_REFRESH = 1029;
inline constexpr int IDC_GRAPH_START_DATE = 1088;
inline constexpr int IDC_GRAPH_RANGE = 1089;
inline constexpr int IDC_GRAPH_START_TIME = 1090;
inline constexpr int IDC_GRAPH_END_DATE = 1091;
inline constexpr int IDC_GRAPH_END_TIME = 1092;
inline constexpr int IDC_GRAPH_CHART = 1093;
inline constexpr int IDC_GRAPH_SERIES = 1095;
inline constexpr int IDC_GRAPH_TYPE = 1096;

// ---- Column chooser of the history export ----
inline constexpr int IDC_GRID_EXPORT_UP = 3;
inline constexpr int IDC_GRID_EXPORT_DOWN = 4;
inline constexpr int IDC_GRID_EXPORT_HEADER = 1009;
inline constexpr int IDC_GRID_EXPORT_SEPARATOR = 1090;
inline constexpr int IDC_GRID_EXPORT_COLUMNS = 1091;
inline constexpr int IDC_GRID_EXPORT_SEPARATOR_LABEL = 1092;

// ---- Console settings dialogs ----
// Buttons the setup, alarm, min/max and language dialogs share.
inline constexpr int IDC_ALL_ON = 101;
inline constexpr int IDC_ALL_OFF = 3;
inline constexpr int IDC_SAVE = 1028;

// Setup dialog: units, display formats, time zone, interval and pressure calibration; the
// hidden hPa edits hold the calibration that Save writes.
inline constexpr int IDC_SETUP_INDOOR_TEMPERATURE_UNIT = 1168;
inline constexpr int IDC_SETUP_OUTDOOR_TEMPERATURE_UNIT = 1170;
inline constexpr int IDC_SETUP_PRESSURE_UNIT = 1158;
inline constexpr int IDC_SETUP_WIND_UNIT = 1156;
inline constexpr int IDC_SETUP_RAIN_UNIT = 1159;
inline constexpr int IDC_SETUP_LIGHT_UNIT = 1000;
inline constexpr int IDC_SETUP_TIME_FORMAT = 1177;
inline constexpr int IDC_SETUP_DATE_FORMAT = 1185;
inline constexpr int IDC_SETUP_HOUR_FORMAT = 1183;
inline constexpr int IDC_SETUP_AXIS_FORMAT = 1178;
inline constexpr int IDC_SETUP_OUTDOOR_FORMAT = 1160;
inline constexpr int IDC_SETUP_PRESSURE_FORMAT = 1179;
inline constexpr int IDC_SETUP_WIND_FORMAT = 1181;
inline constexpr int IDC_SETUP_RAIN_FORMAT = 1176;
inline constexpr int IDC_SETUP_TIME_ZONE = 10215;
inline constexpr int IDC_SETUP_INTERVAL = 1233;
inline constexpr int IDC_SETUP_RELATIVE_PRESSURE = 10222;
inline constexpr int IDC_SETUP_RELATIVE_PRESSURE_UNIT = 1035;
inline constexpr int IDC_SETUP_ABSOLUTE_PRESSURE = 10223;
inline constexpr int IDC_SETUP_ABSOLUTE_PRESSURE_UNIT = 1193;
inline constexpr int IDC_SETUP_RELATIVE_PRESSURE_HPA = 10220;
inline constexpr int IDC_SETUP_ABSOLUTE_PRESSURE_HPA = 10221;
inline constexpr int IDC_SETUP_INIT = 1004;

// Setup dialog: the alarm enables.
inline constexpr int IDC_ENABLE_INDOOR_TEMPERATURE_LOW = 1184;
inline constexpr int IDC_ENABLE_INDOOR_TEMPERATURE_HIGH = 1186;
inline constexpr int IDC_ENABLE_OUTDOOR_TEMPERATURE_LOW = 1187;
inline constexpr int IDC_ENABLE_OUTDOOR_TEMPERATURE_HIGH = 1188;
inline constexpr int IDC_ENABLE_WINDCHILL_LOW = 1189;
inline constexpr int IDC_ENABLE_WINDCHILL_HIGH = 1190;
inline constexpr int IDC_ENABLE_DEWPOINT_LOW = 1191;
inline constexpr int IDC_ENABLE_DEWPOINT_HIGH = 1192;
inline constexpr int IDC_ENABLE_INDOOR_HUMIDITY_LOW = 1150;
inline constexpr int IDC_ENABLE_INDOOR_HUMIDITY_HIGH = 1151;
inline constexpr int IDC_ENABLE_OUTDOOR_HUMIDITY_LOW = 1152;
inline constexpr int IDC_ENABLE_OUTDOOR_HUMIDITY_HIGH = 1153;
inline constexpr int IDC_ENABLE_ABSOLUTE_PRESSURE_LOW = 1173;
inline constexpr int IDC_ENABLE_ABSOLUTE_PRESSURE_HIGH = 1174;
inline constexpr int IDC_ENABLE_RELATIVE_PRESSURE_LOW = 1175;
inline constexpr int IDC_ENABLE_RELATIVE_PRESSURE_HIGH = 1180;
inline constexpr int IDC_ENABLE_WIND_SPEED = 1154;
inline constexpr int IDC_ENABLE_GUST_SPEED = 1155;
inline constexpr int IDC_ENABLE_RAIN_HOUR = 1157;
inline constexpr int IDC_ENABLE_RAIN_DAY = 1161;
inline constexpr int IDC_ENABLE_TIME = 1139;
inline constexpr int IDC_ENABLE_WIND_DIRECTION = 1149;
inline constexpr int IDC_ENABLE_LIGHT = 1171;
inline constexpr int IDC_ENABLE_UV = 1194;

// Alarm dialog: the thresholds and the unit label beside each.
inline constexpr int IDC_ALARM_INDOOR_TEMPERATURE_HIGH = 1003;
inline constexpr int IDC_ALARM_INDOOR_TEMPERATURE_HIGH_UNIT = 1044;
inline constexpr int IDC_ALARM_INDOOR_TEMPERATURE_LOW = 1004;
inline constexpr int IDC_ALARM_INDOOR_TEMPERATURE_LOW_UNIT = 1169;
inline constexpr int IDC_ALARM_OUTDOOR_TEMPERATURE_HIGH = 1007;
inline constexpr int IDC_ALARM_OUTDOOR_TEMPERATURE_HIGH_UNIT = 1045;
inline constexpr int IDC_ALARM_OUTDOOR_TEMPERATURE_LOW = 1008;
inline constexpr int IDC_ALARM_OUTDOOR_TEMPERATURE_LOW_UNIT = 1172;
inline constexpr int IDC_ALARM_WINDCHILL_HIGH = 1014;
inline constexpr int IDC_ALARM_WINDCHILL_HIGH_UNIT = 1173;
inline constexpr int IDC_ALARM_WINDCHILL_LOW = 1015;
inline constexpr int IDC_ALARM_WINDCHILL_LOW_UNIT = 1174;
inline constexpr int IDC_ALARM_DEWPOINT_HIGH = 1012;
inline constexpr int IDC_ALARM_DEWPOINT_HIGH_UNIT = 1175;
inline constexpr int IDC_ALARM_DEWPOINT_LOW = 1013;
inline constexpr int IDC_ALARM_DEWPOINT_LOW_UNIT = 1176;
inline constexpr int IDC_ALARM_INDOOR_HUMIDITY_HIGH = 1005;
inline constexpr int IDC_ALARM_INDOOR_HUMIDITY_HIGH_UNIT = 1036;
inline constexpr int IDC_ALARM_INDOOR_HUMIDITY_LOW = 1006;
inline constexpr int IDC_ALARM_INDOOR_HUMIDITY_LOW_UNIT = 1037;
inline constexpr int IDC_ALARM_OUTDOOR_HUMIDITY_HIGH = 1009;
inline constexpr int IDC_ALARM_OUTDOOR_HUMIDITY_HIGH_UNIT = 1038;
inline constexpr int IDC_ALARM_OUTDOOR_HUMIDITY_LOW = 1010;
inline constexpr int IDC_ALARM_OUTDOOR_HUMIDITY_LOW_UNIT = 1039;
inline constexpr int IDC_ALARM_ABSOLUTE_PRESSURE_HIGH = 1023;
inline constexpr int IDC_ALARM_ABSOLUTE_PRESSURE_HIGH_UNIT = 1042;
inline constexpr int IDC_ALARM_ABSOLUTE_PRESSURE_LOW = 1025;
inline constexpr int IDC_ALARM_ABSOLUTE_PRESSURE_LOW_UNIT = 1043;
inline constexpr int IDC_ALARM_RELATIVE_PRESSURE_HIGH = 1011;
inline constexpr int IDC_ALARM_RELATIVE_PRESSURE_HIGH_UNIT = 1040;
inline constexpr int IDC_ALARM_RELATIVE_PRESSURE_LOW = 1021;
inline constexpr int IDC_ALARM_RELATIVE_PRESSURE_LOW_UNIT = 1041;
inline constexpr int IDC_ALARM_WIND_SPEED = 1017;
inline constexpr int IDC_ALARM_WIND_SPEED_UNIT = 1157;
inline constexpr int IDC_ALARM_WIND_LEVEL = 1016;
inline constexpr int IDC_ALARM_WIND_LEVEL_UNIT = 1046;
inline constexpr int IDC_ALARM_GUST_SPEED = 1018;
inline constexpr int IDC_ALARM_GUST_SPEED_UNIT = 1164;
inline constexpr int IDC_ALARM_GUST_LEVEL = 1026;
inline constexpr int IDC_ALARM_GUST_LEVEL_UNIT = 1158;
inline constexpr int IDC_ALARM_WIND_DIRECTION = 1030;
inline constexpr int IDC_ALARM_WIND_DIRECTION_UNIT = 1163;
inline constexpr int IDC_ALARM_RAIN_HOUR = 1019;
inline constexpr int IDC_ALARM_RAIN_HOUR_UNIT = 1047;
inline constexpr int IDC_ALARM_RAIN_DAY = 1020;
inline constexpr int IDC_ALARM_RAIN_DAY_UNIT = 1161;
inline constexpr int IDC_ALARM_LIGHT = 1032;
inline constexpr int IDC_ALARM_LIGHT_UNIT = 1050;
inline constexpr int IDC_ALARM_UV = 1031;
inline constexpr int IDC_ALARM_UV_UNIT = 1048;
inline constexpr int IDC_ALARM_HOUR = 1027;
inline constexpr int IDC_ALARM_MINUTE = 1022;
inline constexpr int IDC_ALARM_TIME_UNIT = 1162;

// Min/max dialog: the time and the reset box of each record; its value edits have the ids of
// the main form's minimum and maximum values.
inline constexpr int IDC_SCOPE_TIME_INDOOR_TEMPERATURE_MAX = 1055;
inline constexpr int IDC_SCOPE_RESET_INDOOR_TEMPERATURE_MAX = 1028;
inline constexpr int IDC_SCOPE_TIME_INDOOR_TEMPERATURE_MIN = 1056;
inline constexpr int IDC_SCOPE_RESET_INDOOR_TEMPERATURE_MIN = 1029;
inline constexpr int IDC_SCOPE_TIME_OUTDOOR_TEMPERATURE_MAX = 1057;
inline constexpr int IDC_SCOPE_RESET_OUTDOOR_TEMPERATURE_MAX = 1075;
inline constexpr int IDC_SCOPE_TIME_OUTDOOR_TEMPERATURE_MIN = 1058;
inline constexpr int IDC_SCOPE_RESET_OUTDOOR_TEMPERATURE_MIN = 1076;
inline constexpr int IDC_SCOPE_TIME_WINDCHILL_MAX = 1059;
inline constexpr int IDC_SCOPE_RESET_WINDCHILL_MAX = 1030;
inline constexpr int IDC_SCOPE_TIME_WINDCHILL_MIN = 1060;
inline constexpr int IDC_SCOPE_RESET_WINDCHILL_MIN = 1031;
inline constexpr int IDC_SCOPE_TIME_DEWPOINT_MAX = 1061;
inline constexpr int IDC_SCOPE_RESET_DEWPOINT_MAX = 1077;
inline constexpr int IDC_SCOPE_TIME_DEWPOINT_MIN = 1062;
inline constexpr int IDC_SCOPE_RESET_DEWPOINT_MIN = 1078;
inline constexpr int IDC_SCOPE_TIME_INDOOR_HUMIDITY_MAX = 1051;
inline constexpr int IDC_SCOPE_RESET_INDOOR_HUMIDITY_MAX = 1025;
inline constexpr int IDC_SCOPE_TIME_INDOOR_HUMIDITY_MIN = 1052;
inline constexpr int IDC_SCOPE_RESET_INDOOR_HUMIDITY_MIN = 1026;
inline constexpr int IDC_SCOPE_TIME_OUTDOOR_HUMIDITY_MAX = 1053;
inline constexpr int IDC_SCOPE_RESET_OUTDOOR_HUMIDITY_MAX = 1050;
inline constexpr int IDC_SCOPE_TIME_OUTDOOR_HUMIDITY_MIN = 1054;
inline constexpr int IDC_SCOPE_RESET_OUTDOOR_HUMIDITY_MIN = 1074;
inline constexpr int IDC_SCOPE_TIME_ABSOLUTE_PRESSURE_MAX = 1063;
inline constexpr int IDC_SCOPE_RESET_ABSOLUTE_PRESSURE_MAX = 1024;
inline constexpr int IDC_SCOPE_TIME_ABSOLUTE_PRESSURE_MIN = 1064;
inline constexpr int IDC_SCOPE_RESET_ABSOLUTE_PRESSURE_MIN = 1032;
inline constexpr int IDC_SCOPE_TIME_RELATIVE_PRESSURE_MAX = 1065;
inline constexpr int IDC_SCOPE_RESET_RELATIVE_PRESSURE_MAX = 1049;
inline constexpr int IDC_SCOPE_TIME_RELATIVE_PRESSURE_MIN = 1066;
inline constexpr int IDC_SCOPE_RESET_RELATIVE_PRESSURE_MIN = 1079;
inline constexpr int IDC_SCOPE_TIME_WIND_SPEED_MAX = 1067;
inline constexpr int IDC_SCOPE_RESET_WIND_SPEED_MAX = 1033;
inline constexpr int IDC_SCOPE_TIME_GUST_SPEED_MAX = 1068;
inline constexpr int IDC_SCOPE_RESET_GUST_SPEED_MAX = 1080;
inline constexpr int IDC_SCOPE_TIME_UV_MAX = 1084;
inline constexpr int IDC_SCOPE_RESET_UV_MAX = 1037;
inline constexpr int IDC_SCOPE_TIME_LIGHT_MAX = 1001;
inline constexpr int IDC_SCOPE_RESET_LIGHT_MAX = 1085;
inline constexpr int IDC_SCOPE_TIME_RAIN_HOUR_MAX = 1069;
inline constexpr int IDC_SCOPE_RESET_RAIN_HOUR_MAX = 1034;
inline constexpr int IDC_SCOPE_TIME_RAIN_DAY_MAX = 1070;
inline constexpr int IDC_SCOPE_RESET_RAIN_DAY_MAX = 1081;
inline constexpr int IDC_SCOPE_TIME_RAIN_WEEK_MAX = 1071;
inline constexpr int IDC_SCOPE_RESET_RAIN_WEEK_MAX = 1035;
inline constexpr int IDC_SCOPE_TIME_RAIN_MONTH_MAX = 1072;
inline constexpr int IDC_SCOPE_RESET_RAIN_MONTH_MAX = 1082;
inline constexpr int IDC_SCOPE_TIME_RAIN_TOTAL_MAX = 1073;
inline constexpr int IDC_SCOPE_RESET_RAIN_TOTAL_MAX = 1036;
inline constexpr int IDC_SCOPE_RESET = 100;
