#pragma once
// Resource ids. The numbers are fixed: settings, help topics and other programs rely on them.
#define IDR_MAINFRAME 128
