#pragma once

// The window-style and key constants that dialog, menu and accelerator templates are written
// with. The values are the classic desktop ones, so that templates keep their usual meaning;
// the template reader knows them by these names and the form builder reads them back.

// Every window.
inline constexpr unsigned WS_CHILD = 0x40000000;
inline constexpr unsigned WS_VISIBLE = 0x10000000;
inline constexpr unsigned WS_DISABLED = 0x08000000;
inline constexpr unsigned WS_CAPTION = 0x00C00000;
inline constexpr unsigned WS_BORDER = 0x00800000;
inline constexpr unsigned WS_DLGFRAME = 0x00400000;
inline constexpr unsigned WS_VSCROLL = 0x00200000;
inline constexpr unsigned WS_HSCROLL = 0x00100000;
inline constexpr unsigned WS_SYSMENU = 0x00080000;
inline constexpr unsigned WS_THICKFRAME = 0x00040000;
inline constexpr unsigned WS_GROUP = 0x00020000;
inline constexpr unsigned WS_TABSTOP = 0x00010000;
inline constexpr unsigned WS_MINIMIZEBOX = 0x00020000;
inline constexpr unsigned WS_MAXIMIZEBOX = 0x00010000;
inline constexpr unsigned WS_POPUP = 0x80000000;

inline constexpr unsigned WS_EX_TRANSPARENT = 0x00000020;
inline constexpr unsigned WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr unsigned WS_EX_STATICEDGE = 0x00020000;

// Dialogs.
inline constexpr unsigned DS_SETFONT = 0x40;
inline constexpr unsigned DS_MODALFRAME = 0x80;
inline constexpr unsigned DS_3DLOOK = 0x04;
inline constexpr unsigned DS_FIXEDSYS = 0x08;
inline constexpr unsigned DS_CONTROL = 0x0400;
inline constexpr unsigned DS_CENTER = 0x0800;
inline constexpr unsigned DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// Static controls: the low five bits are the kind.
inline constexpr unsigned SS_TYPEMASK = 0x1F;
inline constexpr unsigned SS_LEFT = 0x00;
inline constexpr unsigned SS_CENTER = 0x01;
inline constexpr unsigned SS_RIGHT = 0x02;
inline constexpr unsigned SS_ICON = 0x03;
inline constexpr unsigned SS_BLACKRECT = 0x04;
inline constexpr unsigned SS_GRAYRECT = 0x05;
inline constexpr unsigned SS_WHITERECT = 0x06;
inline constexpr unsigned SS_BLACKFRAME = 0x07;
inline constexpr unsigned SS_GRAYFRAME = 0x08;
inline constexpr unsigned SS_WHITEFRAME = 0x09;
inline constexpr unsigned SS_SIMPLE = 0x0B;
inline constexpr unsigned SS_LEFTNOWORDWRAP = 0x0C;
inline constexpr unsigned SS_BITMAP = 0x0E;
inline constexpr unsigned SS_ETCHEDHORZ = 0x10;
inline constexpr unsigned SS_ETCHEDVERT = 0x11;
inline constexpr unsigned SS_ETCHEDFRAME = 0x12;
inline constexpr unsigned SS_REALSIZECONTROL = 0x40;
inline constexpr unsigned SS_NOPREFIX = 0x80;
inline constexpr unsigned SS_NOTIFY = 0x0100;
inline constexpr unsigned SS_CENTERIMAGE = 0x0200;
inline constexpr unsigned SS_SUNKEN = 0x1000;

// Buttons: the low four bits are the kind.
inline constexpr unsigned BS_TYPEMASK = 0x0F;
inline constexpr unsigned BS_PUSHBUTTON = 0x00;
inline constexpr unsigned BS_DEFPUSHBUTTON = 0x01;
inline constexpr unsigned BS_CHECKBOX = 0x02;
inline constexpr unsigned BS_AUTOCHECKBOX = 0x03;
inline constexpr unsigned BS_3STATE = 0x05;
inline constexpr unsigned BS_AUTO3STATE = 0x06;
inline constexpr unsigned BS_GROUPBOX = 0x07;
inline constexpr unsigned BS_LEFTTEXT = 0x20;
inline constexpr unsigned BS_MULTILINE = 0x2000;

// Edits.
inline constexpr unsigned ES_LEFT = 0x00;
inline constexpr unsigned ES_CENTER = 0x01;
inline constexpr unsigned ES_RIGHT = 0x02;
inline constexpr unsigned ES_MULTILINE = 0x04;
inline constexpr unsigned ES_PASSWORD = 0x20;
inline constexpr unsigned ES_AUTOVSCROLL = 0x40;
inline constexpr unsigned ES_AUTOHSCROLL = 0x80;
inline constexpr unsigned ES_READONLY = 0x0800;
inline constexpr unsigned ES_WANTRETURN = 0x1000;
inline constexpr unsigned ES_NUMBER = 0x2000;

// Combo boxes: the low two bits are the kind.
inline constexpr unsigned CBS_TYPEMASK = 0x03;
inline constexpr unsigned CBS_SIMPLE = 0x01;
inline constexpr unsigned CBS_DROPDOWN = 0x02;
inline constexpr unsigned CBS_DROPDOWNLIST = 0x03;
inline constexpr unsigned CBS_AUTOHSCROLL = 0x40;
inline constexpr unsigned CBS_SORT = 0x0100;

// List boxes.
inline constexpr unsigned LBS_NOTIFY = 0x01;
inline constexpr unsigned LBS_SORT = 0x02;
inline constexpr unsigned LBS_MULTIPLESEL = 0x08;
inline constexpr unsigned LBS_NOINTEGRALHEIGHT = 0x0100;
inline constexpr unsigned LBS_EXTENDEDSEL = 0x0800;
inline constexpr unsigned LBS_NOSEL = 0x4000;

// List views.
inline constexpr unsigned LVS_REPORT = 0x01;
inline constexpr unsigned LVS_SINGLESEL = 0x04;
inline constexpr unsigned LVS_SHOWSELALWAYS = 0x08;
inline constexpr unsigned LVS_NOCOLUMNHEADER = 0x4000;
inline constexpr unsigned LVS_NOSORTHEADER = 0x8000;

// Date and time pickers.
inline constexpr unsigned DTS_SHORTDATEFORMAT = 0x00;
inline constexpr unsigned DTS_UPDOWN = 0x01;
inline constexpr unsigned DTS_SHOWNONE = 0x02;
inline constexpr unsigned DTS_LONGDATEFORMAT = 0x04;
inline constexpr unsigned DTS_TIMEFORMAT = 0x09;
inline constexpr unsigned DTS_RIGHTALIGN = 0x20;

// Keys of accelerator tables written as names.
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_F1 = 0x70; // VK_F1 .. VK_F12 follow one another
inline constexpr int VK_F12 = 0x7B;
