/* Resource and command ids of Numerel.exe, shared by numerel.rc and the C++
   code: plain #defines only, since windres reads this file too. */
#ifndef NUMEREL_RESOURCE_IDS_H
#define NUMEREL_RESOURCE_IDS_H

/* The first icon group is the one Explorer shows for the exe. */
#define IDI_PROGRAM 1

#define IDR_MAIN_MENU 101
#define IDR_CONTEXT_MENU 102
#define IDR_TRAY_MENU 104

/* Menu bar: file */
#define IDM_NEW_FILE 40001
#define IDM_OPEN_FILE 40002
#define IDM_SAVE 40003
#define IDM_SAVE_AS 40004
#define IDM_PRINT 40005
#define IDM_EXIT 40006

/* Menu bar: edit */
#define IDM_UNDO 40101
#define IDM_REDO 40102
#define IDM_CUT 40103
#define IDM_COPY 40104
#define IDM_COPY_COMPAT 40105
#define IDM_PASTE 40106
#define IDM_PASTE_RESULT 40107
#define IDM_CLEAR_BOX 40108
#define IDM_SELECT_ALL 40109
#define IDM_REALTIME 40110
#define IDM_RECORD 40111
#define IDM_ACCUMULATOR 40112
#define IDM_CLEAR_ACCUMULATOR 40113
#define IDM_REFRESH_LINE 40114
#define IDM_BATCH 40115
#define IDM_FRACTION_CONVERT 40116
#define IDM_REPAIR_TEXT 40117

/* Menu bar: find */
#define IDM_FIND_REPLACE 40201
#define IDM_FIND_PREVIOUS 40202
#define IDM_FIND_NEXT 40203

/* Menu bar: other */
#define IDM_VIRTUAL_KEYBOARD 40301
#define IDM_BASE_CONVERSION 40302
#define IDM_STATISTICS 40303
#define IDM_UNIT_CONVERSION 40304

/* Menu bar: settings */
#define IDM_OPTIONS 40401
#define IDM_APPEARANCE 40402
#define IDM_FONT 40403
#define IDM_RESET_SETTINGS 40404

/* Menu bar: about */
#define IDM_HELP 40501
#define IDM_ABOUT 40502

/* Commands only the context menu offers; its other items use the menu
   bar's ids, one id per action. */
#define IDM_COPY_LINE 41003
#define IDM_SELECT_LINE 41007
#define IDM_SUM 41008
#define IDM_DELETE_LINE 41011
#define IDM_SEPARATOR_LINE 41013

/* Function templates: item i of the insert sub-menu has the id FIRST + i and
   inserts kFunctionTemplates[i] (function_templates.h). */
#define IDM_INSERT_FUNCTION_FIRST 41101
#define IDM_INSERT_FUNCTION_COUNT 16
#define IDM_INSERT_FUNCTION_LAST (IDM_INSERT_FUNCTION_FIRST + IDM_INSERT_FUNCTION_COUNT - 1)

/* Tray menu (its 外观设置 is IDM_APPEARANCE) */
#define IDM_TRAY_OPEN 41301
#define IDM_TRAY_EXIT 41302

/* Context menu: view sub-menu (its 外观设置 is IDM_APPEARANCE) */
#define IDM_VIEW_NORMAL 41201
#define IDM_VIEW_STATUS_BAR 41202
#define IDM_VIEW_MENU_BAR 41203
#define IDM_VIEW_TITLE_BAR 41204
#define IDM_VIEW_FULL_SCREEN 41205

/* Run by a click on the status bar only (app/status_bar_clicks.h) */
#define IDM_TOGGLE_KEYBOARD 41401

#endif
