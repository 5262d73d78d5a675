#pragma once
// Moves values between a dialog's controls and its fields, in one direction per run.
// A dialog lists its bindings once in Exchange(DataExchange&); the same list then serves
// reading (controls -> fields) and writing (fields -> controls).
#include <windows.h>
#include <cstdint>

#include "framework/Strings.h"

class DataExchange {
public:
    enum Direction { ReadControls, WriteControls };
    DataExchange(HWND dialog, Direction direction) : dialog_(dialog), direction_(direction) {}

    bool Reading() const { return direction_ == ReadControls; }

    // Edit or static text of control id.
    void Text(int id, CString& field);
    // Check state 0, 1 or 2 of a check box. Writing a value outside 0..2 sets the field to 0 first.
    void Check(int id, int32_t& field);
    // Index of the checked radio button among the radios from firstId up to the next control
    // that starts a group; -1 when none is checked. Writing checks the one with that index.
    void Radio(int firstId, int32_t& field);

private:
    HWND dialog_;
    Direction direction_;
};
