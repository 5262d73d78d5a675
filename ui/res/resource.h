#pragma once
// Resource ids. The numbers are fixed: settings, help topics and other programs rely on them.
#define IDR_MAINFRAME 128
#define IDC_STATIC (-1)

// Dialog templates
#define IDD_MAIN 102
#define IDD_ABOUT 100
#define IDD_TEMPLATE 131

// System-menu commands (multiples of 16: the system keeps the low four bits)
#define IDM_ABOUT 16
#define IDM_HELP_CONTENTS 32

// String table
#define IDS_ABOUT_MENU 101
#define IDS_HELP_MENU 102
#define IDS_TEMPLATE_HEADER 103
#define IDS_TEMPLATE_REPEAT 104
#define IDS_TEMPLATE_FOOTER 105

// Messages of both front ends: how a run ended, and the unit of the count of entries
#define IDS_FOLDER_UNREACHABLE 200
#define IDS_RUN_STOPPED 201
#define IDS_CANNOT_CREATE 202
#define IDS_WRITE_FAILED 203
#define IDS_ENTRY_COUNT_UNIT 204

// The dialog's messages, caption and Save-As choices
#define IDS_START_FAILED 210
#define IDS_OPEN_NOW 211
#define IDS_SETTINGS_NOT_WRITTEN 212
#define IDS_CAPTION_WRITING 213
#define IDS_HELP_FAILED 214
#define IDS_SAVE_FILTER 215

// The console program's help, errors and count. An option's help is its value's form, a tab
// and its meaning.
#define IDS_CLI_USAGE_HEAD 300
#define IDS_CLI_USAGE_TAIL 301
#define IDS_CLI_UNKNOWN_OPTION 302
#define IDS_CLI_MISSING_VALUE 303
#define IDS_CLI_BAD_VALUE 304
#define IDS_CLI_NO_FOLDER 305
#define IDS_CLI_TOO_MANY 306
#define IDS_CLI_NO_SETTINGS 307
#define IDS_CLI_LISTING 308
#define IDS_CLI_WRITING 309
#define IDS_CLI_EMPTY_OUTPUT 310
#define IDS_CLI_OPTION_SETTINGS 320
#define IDS_CLI_OPTION_SUBFOLDERS 321
#define IDS_CLI_OPTION_DIRS 322
#define IDS_CLI_OPTION_PATH 323
#define IDS_CLI_OPTION_URL 324
#define IDS_CLI_OPTION_CASE 325
#define IDS_CLI_OPTION_SIZE 326
#define IDS_CLI_OPTION_DATE 327
#define IDS_CLI_OPTION_ATTRIBUTES 328
#define IDS_CLI_OPTION_CRC 329
#define IDS_CLI_OPTION_VERSION 330
#define IDS_CLI_OPTION_PRODUCT_VERSION 331
#define IDS_CLI_OPTION_FILTER 332
#define IDS_CLI_OPTION_NO_FILTER 333
#define IDS_CLI_OPTION_TEMPLATE 334
#define IDS_CLI_OPTION_UTF8 335
#define IDS_CLI_OPTION_QUIET 336
#define IDS_CLI_OPTION_HELP 337

// Ready templates (ReadyTemplates.rc): the labels, then header, repeat and footer of each
#define IDS_READY_CHOOSE 400
#define IDS_READY_HTML 401
#define IDS_READY_HTML_TABLE 402
#define IDS_READY_CSV 403
#define IDS_READY_JSONL 404
#define IDS_READY_SFV 405
#define IDS_READY_HTML_TABLE_HEADER 410
#define IDS_READY_HTML_TABLE_REPEAT 411
#define IDS_READY_HTML_TABLE_FOOTER 412
#define IDS_READY_CSV_HEADER 413
#define IDS_READY_CSV_REPEAT 414
#define IDS_READY_CSV_FOOTER 415
#define IDS_READY_JSONL_HEADER 416
#define IDS_READY_JSONL_REPEAT 417
#define IDS_READY_JSONL_FOOTER 418
#define IDS_READY_SFV_HEADER 419
#define IDS_READY_SFV_REPEAT 420
#define IDS_READY_SFV_FOOTER 421

// What a listing could not read, or write as it is (at the end of a run)
#define IDS_UNREAD_ITEMS 500
#define IDS_UNREAD_ENTRY 501
#define IDS_UNREAD_MORE 502
#define IDS_INEXACT_NAMES 503
#define IDS_CLI_UNREAD 504
#define IDS_CLI_INEXACT_NAMES 505

// Main dialog controls
#define IDC_MAIN_SUBFOLDERS 1000
#define IDC_MAIN_FOLDER 1001
#define IDC_MAIN_BROWSE_FOLDER 1002
#define IDC_MAIN_BROWSE_OUTPUT 1003
#define IDC_MAIN_OUTPUT 1004
#define IDC_MAIN_EXPAND 1005
#define IDC_MAIN_ABSOLUTE 1006
#define IDC_MAIN_RELATIVE 1007
#define IDC_MAIN_DATE 1008
#define IDC_MAIN_ATTRIBUTES 1009
#define IDC_MAIN_SIZE 1010
#define IDC_MAIN_CHECKSUM 1011
#define IDC_MAIN_FILE_VERSION 1012
#define IDC_MAIN_PRODUCT_VERSION 1013
#define IDC_MAIN_FILTER_FRAME 1014
#define IDC_MAIN_FILTER 1015
#define IDC_MAIN_FINISH 1016
#define IDC_MAIN_DIRECTORY_NAMES 1017
#define IDC_MAIN_SAVE 1018
#define IDC_MAIN_FILTER_TEXT 1020
#define IDC_MAIN_LOWER_CASE 1024
#define IDC_MAIN_UPPER_CASE 1026
#define IDC_MAIN_URL 1027
#define IDC_MAIN_USE_TEMPLATE 1028
#define IDC_MAIN_EDIT_TEMPLATE 1029
#define IDC_MAIN_UTF8 1033

// Template dialog edits
#define IDC_TEMPLATE_HEADER 1030
#define IDC_TEMPLATE_REPEAT 1031
#define IDC_TEMPLATE_FOOTER 1032
#define IDC_TEMPLATE_READY 1034

// About box: the text that the version number is added to
#define IDC_ABOUT_VERSION 1034

// Dropped-file choices dialog
#define IDD_DROP 130
#define IDC_DROP_SAME_FOLDER 1021
#define IDC_DROP_EXTENSION_FILTER 1022
#define IDC_DROP_OUTPUT_FILE 1023
#define IDC_DROP_SHOW_FILE 1025
