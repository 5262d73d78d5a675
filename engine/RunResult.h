#pragma once
// How a run ended. The front ends tell the user in words of their own (the string table).

enum class RunResult {
    Complete,      // every entry listed and written
    Stopped,       // asked to stop: the entries found until then were written
    CannotCreate,  // the output file could not be created; nothing was walked
    WriteFailed,   // writing the output failed, or memory ran out; the file holds what was written
    FolderUnreadable,  // the folder to list could not be searched; nothing was created
    // A comparing run refused before anything was written: the earlier listing is missing or
    // unreadable, is a template's output, has other columns, or the other path form; its lines
    // are out of order, hold NUL bytes, are UTF-16, or one is longer than any listing line.
    EarlierUnreadable,
    EarlierTemplate,
    EarlierOtherColumns,
    EarlierOtherPaths,
    EarlierOutOfOrder,
    EarlierNotText,
    EarlierUtf16,
    EarlierLineTooLong,
};
