#pragma once
// Moves values between a dialog's controls and its fields, in one direction per run.
// A dialog lists its bindings once in Exchange(DataExchange&); the same list then serves
// reading (controls -> fields) and writing (fields -> controls).
#include <windows.h>
#include <cstdint>
#include <string>

#include "framework/Strings.h"

class DataExchange {
public:
    enum Direction { ReadControls, WriteControls };
    DataExchange(HWND dialog, Direction direction) : dialog_(dialog), direction_(direction) {}

    bool Reading() const { return direction_ == ReadControls; }

    // Edit or static text of control id.
    void Text(int id, CString& field);
    // The same as the control holds it, every character kept (UTF-16).
    void Text(int id, std::wstring& field);
    // Whether a check box is checked (reading: any state but clear).
    void Check(int id, bool& field);
    // Index of the checked radio button among the radios from firstId up to the next control
    // that starts a group; -1 when none is checked. Writing checks the one with that index.
    void Radio(int firstId, int32_t& field);
    // The same for a field of an enumeration whose values are the radios' indices.
    template <class Index>
    void Radio(int firstId, Index& field) {
        int32_t index = static_cast<int32_t>(field);
        Radio(firstId, index);
        if (Reading()) field = static_cast<Index>(index);
    }

private:
    HWND dialog_;
    Direction direction_;
};
