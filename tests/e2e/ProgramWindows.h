#pragma once
// Finding Quillmark's windows from another process, the way a user's tool would, and what the
// end-to-end tests and the probes share about them.
#include <windows.h>
#include <string>

#include "../support/WaitUntil.h"

// How long the tests wait for the program's windows and their effects; the probes, which start
// the program cold for the screenshot scripts, wait longer.
const DWORD kProgramWait = 20000;
const DWORD kProbeWait = 30000;

const char kMainDialogCaption[] = "Quillmark ファイル列挙";
// Its caption where the UI language is not Japanese.
const char kEnglishMainDialogCaption[] = "Quillmark File Lister";
// The caption of the program's message boxes (its name) and the question after a finished run.
const char kBoxCaption[] = "quillmark";
const char kFinishedQuestion[] = "ファイル列挙が完了しました。\r\nいますぐ開きますか?";

// The main dialog ("#32770", either caption) once shown, waiting up to timeoutMs.
HWND WaitForMainDialog(DWORD timeoutMs);
// A shown dialog or message box ("#32770") owned by owner, with the given caption or (nullptr)
// any, waiting up to timeoutMs.
HWND WaitForOwnedDialog(HWND owner, const char* caption, DWORD timeoutMs);
// The longest static text inside a message box (its message).
std::string BoxMessage(HWND box);
// Waits for a box owned by owner with the caption, answers it with the button answer and waits
// until it has closed; returns its message, or "<no box>" when none appeared in time.
std::string AnswerOwnedBox(HWND owner, const char* caption, int answer, DWORD timeoutMs);
