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

// About box: the text that the version number is added to
#define IDC_ABOUT_VERSION 1034

// Dropped-file choices dialog
#define IDD_DROP 130
#define IDC_DROP_SAME_FOLDER 1021
#define IDC_DROP_EXTENSION_FILTER 1022
#define IDC_DROP_OUTPUT_FILE 1023
#define IDC_DROP_SHOW_FILE 1025
