#pragma once
// The program's version: both programs' version resources, the about box and
// the console program's help take it from here, and tools/package names its zip after it. The
// manifest (res/quillmark.manifest) repeats it, as no resource compiler fills one in.
#define QM_VERSION_MAJOR 1
#define QM_VERSION_MINOR 5

// "1.5": one string literal, since a resource compiler joins no adjacent ones in a dialog.
#define QM_TEXT_OF_(tokens) #tokens
#define QM_TEXT_OF(tokens) QM_TEXT_OF_(tokens)
#define QM_VERSION_TEXT QM_TEXT_OF(QM_VERSION_MAJOR.QM_VERSION_MINOR)
// L"1.5", for the wide texts of the about box and the console program.
#define QM_WIDE_OF_(text) L##text
#define QM_WIDE_OF(text) QM_WIDE_OF_(text)
#define QM_VERSION_WIDE_TEXT QM_WIDE_OF(QM_VERSION_TEXT)
