#include "format/EntryFields.h"

void LocalDateText(const FILETIME& utc, CString& date) {
    date.clear();
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) return;
    if (st.wYear > 9999) return;
    // "%Y/%m/%d %H:%M:%S" by hand: this runs once per entry, and a formatted print costs more
    // than the rest of the line.
    char text[] = "0000/00/00 00:00:00";
    auto put = [&text](size_t end, unsigned value, int digits) {
        for (; digits > 0; --digits, value /= 10) text[--end] = static_cast<char>('0' + value % 10);
    };
    put(4, st.wYear, 4);
    put(7, st.wMonth, 2);
    put(10, st.wDay, 2);
    put(13, st.wHour, 2);
    put(16, st.wMinute, 2);
    put(19, st.wSecond, 2);
    date.assign(text, sizeof text - 1);
}

CString AttributeLetters(DWORD attributes) {
    CString letters = "     ";
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) letters[0] = 'D';
    if (attributes & FILE_ATTRIBUTE_READONLY) letters[1] = 'R';
    if (attributes & FILE_ATTRIBUTE_ARCHIVE) letters[2] = 'A';
    if (attributes & FILE_ATTRIBUTE_HIDDEN) letters[3] = 'H';
    if (attributes & FILE_ATTRIBUTE_SYSTEM) letters[4] = 'S';
    return letters;
}
