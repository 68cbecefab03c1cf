#pragma once
// The controls' own messages and notification codes, in the dialog layer's range of the platform's
// message numbers (0x0400-0x07FF). Our own values. Strings travel as UTF-8: `const char*` in, and
// `std::string*` to receive one.

#include "platform/core/Message.h"

// --- Fonts of controls ------------------------------------------------------------------------------
// WM_SETFONT: lParam: const platform::LogFont* the control keeps a copy of (nullptr: the dialog's font
// again); wParam: 1 redraws it now. WM_GETFONT returns the kept font's address, 0 for the dialog's.
constexpr UINT WM_SETFONT = 0x0402;
constexpr UINT WM_GETFONT = 0x0403;

// --- Scrolling, sent by scroll bars and sliders to their parent -----------------------------------
// wParam: MAKEWPARAM(SB_* code, position for SB_THUMBPOSITION/SB_THUMBTRACK); lParam: the control.
constexpr UINT WM_HSCROLL = 0x0400;
constexpr UINT WM_VSCROLL = 0x0401;

// --- Dialogs ---------------------------------------------------------------------------------------
constexpr UINT DM_GETDEFID = 0x0410;  // returns the default push button's id, 0 when none
constexpr UINT DM_SETDEFID = 0x0411;  // wParam: the new default push button's id
constexpr UINT DM_SCRIPTED = 0x0412;  // posted by DoModal when a test lined up the person's actions

// --- Buttons (push button, check box, radio button) ------------------------------------------------
constexpr UINT BM_GETCHECK = 0x0420;  // returns BST_*
constexpr UINT BM_SETCHECK = 0x0421;  // wParam: BST_*; no notification
constexpr UINT BM_CLICK = 0x0422;     // as a click by the person: toggles auto buttons and notifies
constexpr UINT BM_SETSTYLE = 0x0423;  // wParam: 1 makes a push button the default, 0 a plain one
constexpr UINT BM_GETSTYLE = 0x0424;  // returns 1 for the default push button
constexpr UINT BM_SETIMAGE = 0x0425;  // wParam: image id shown on the button (0: none); returns the previous one
constexpr UINT BM_GETIMAGE = 0x0426;

constexpr WPARAM BST_UNCHECKED = 0;
constexpr WPARAM BST_CHECKED = 1;
constexpr WPARAM BST_INDETERMINATE = 2;

// --- Edit and rich text ----------------------------------------------------------------------------
constexpr UINT EM_LIMITTEXT = 0x0430;     // wParam: the most characters (0: no limit)
constexpr UINT EM_GETLIMITTEXT = 0x0431;
constexpr UINT EM_SETREADONLY = 0x0432;   // wParam: 1 read-only
constexpr UINT EM_SETBKGNDCOLOR = 0x0433; // rich text: lParam: the background as 0xBBGGRR; returns the previous one
constexpr UINT EM_GETMODIFY = 0x0434;     // returns 1 when the person changed the text since it was last set
constexpr UINT EM_SETMODIFY = 0x0435;     // wParam: the flag
constexpr UINT EM_SETSEL = 0x0436;        // wParam: first character, lParam: end (-1: to the end of the text)
constexpr UINT EM_GETSEL = 0x0437;        // returns MAKELONG(first, end) in characters
constexpr UINT EM_SCROLLCARET = 0x0438;   // scrolls the caret (the selection's end) into view

// --- Combo box -------------------------------------------------------------------------------------
constexpr UINT CB_ADDSTRING = 0x0440;     // lParam: const char*; returns the index
constexpr UINT CB_INSERTSTRING = 0x0441;  // wParam: index (-1: at the end); lParam: const char*
constexpr UINT CB_DELETESTRING = 0x0442;  // wParam: index; returns the count left, CB_ERR when none
constexpr UINT CB_RESETCONTENT = 0x0443;
constexpr UINT CB_GETCOUNT = 0x0444;
constexpr UINT CB_SETCURSEL = 0x0445;     // wParam: index (-1: none); returns it, CB_ERR when out of range; no notification
constexpr UINT CB_GETCURSEL = 0x0446;     // returns the index, CB_ERR when none
constexpr UINT CB_GETLBTEXT = 0x0447;     // wParam: index; lParam: std::string* to fill
constexpr UINT CB_SETITEMDATA = 0x0448;   // wParam: index; lParam: the value
constexpr UINT CB_GETITEMDATA = 0x0449;
constexpr UINT CB_FINDSTRINGEXACT = 0x044A;  // wParam: index to search after (-1: from the start); lParam: const char*
constexpr LRESULT CB_ERR = -1;

// --- List box --------------------------------------------------------------------------------------
constexpr UINT LB_ADDSTRING = 0x0460;
constexpr UINT LB_INSERTSTRING = 0x0461;
constexpr UINT LB_DELETESTRING = 0x0462;
constexpr UINT LB_RESETCONTENT = 0x0463;
constexpr UINT LB_GETCOUNT = 0x0464;
constexpr UINT LB_SETCURSEL = 0x0465;     // no notification
constexpr UINT LB_GETCURSEL = 0x0466;
constexpr UINT LB_GETTEXT = 0x0467;       // wParam: index; lParam: std::string* to fill
constexpr UINT LB_SETITEMDATA = 0x0468;
constexpr UINT LB_GETITEMDATA = 0x0469;
constexpr UINT LB_SETSEL = 0x046A;       // multiple selection: wParam: 1 select, 0 clear; lParam: index (-1: every item); no notification
constexpr UINT LB_GETSEL = 0x046B;       // wParam: index; returns 1 when selected, LB_ERR when out of range
constexpr UINT LB_GETSELCOUNT = 0x046C;  // returns the number of selected items
constexpr LRESULT LB_ERR = -1;

// --- Icon list (pictures with a caption each, one selected) ------------------------------------------
constexpr UINT LVM_GETITEMCOUNT = 0x04B0;
constexpr UINT LVM_SETSELECTED = 0x04B1;  // wParam: index (-1: none); selects and focuses it; no notification
constexpr UINT LVM_GETSELECTED = 0x04B2;  // returns the selected index, -1 when none
constexpr UINT LVM_ENSUREVISIBLE = 0x04B3;  // wParam: index; scrolls it into view

// --- Scroll bar and slider -------------------------------------------------------------------------
constexpr UINT SBM_SETRANGE = 0x0480;  // wParam: minimum; lParam: maximum
constexpr UINT SBM_SETPOS = 0x0481;    // wParam: position (clamped); returns the previous one; no notification
constexpr UINT SBM_GETPOS = 0x0482;
constexpr UINT SBM_SETPAGE = 0x0483;   // wParam: page size (what PageUp/PageDown move)
constexpr UINT TBM_SETRANGE = 0x0490;  // wParam: minimum; lParam: maximum
constexpr UINT TBM_SETPOS = 0x0491;
constexpr UINT TBM_GETPOS = 0x0492;
constexpr UINT TBM_SETPAGESIZE = 0x0493;

// Scroll codes in the low word of WM_HSCROLL/WM_VSCROLL's wParam.
constexpr unsigned SB_LINEUP = 0;  // also left
constexpr unsigned SB_LINEDOWN = 1;  // also right
constexpr unsigned SB_PAGEUP = 2;
constexpr unsigned SB_PAGEDOWN = 3;
constexpr unsigned SB_THUMBPOSITION = 4;  // the thumb was dropped at the high word's position
constexpr unsigned SB_THUMBTRACK = 5;     // the thumb is being dragged; high word: position
constexpr unsigned SB_TOP = 6;
constexpr unsigned SB_BOTTOM = 7;
constexpr unsigned SB_ENDSCROLL = 8;

// --- Static and image ------------------------------------------------------------------------------
constexpr UINT STM_SETIMAGE = 0x04A0;  // wParam: image id; returns the previous one
constexpr UINT STM_GETIMAGE = 0x04A1;

// --- Notification codes: the high word of WM_COMMAND's wParam ----------------------------------------
constexpr unsigned BN_CLICKED = 0;  // also what a posted "press" carries
constexpr unsigned EN_CHANGE = 0x10;
constexpr unsigned CBN_SELCHANGE = 0x20;
constexpr unsigned LBN_SELCHANGE = 0x30;
constexpr unsigned LBN_DBLCLK = 0x31;
constexpr unsigned LVN_SELCHANGE = 0x40;  // the person selected another picture of an icon list
