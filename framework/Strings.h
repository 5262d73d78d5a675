#pragma once
// The string and collection types of the application layer: thin names over the standard
// library. Text is a byte string in the ANSI code page; see text/CodePageText.h for stepping.
#include <list>
#include <string>
#include <unordered_map>

using CString = std::string;
using CStringList = std::list<CString>;
// Placeholder name to the address of the text it stands for.
using CMapStringToPtr = std::unordered_map<CString, const CString*>;
