#pragma once
// Reading a template's text: its literal runs and placeholder names, and what it asks for.
// Both the expansion and the forms a run notes read templates through here.
#include <cstddef>
#include <functional>

#include "format/ContentNeeds.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

// Walks a template once, handing literal runs and upper-cased placeholder names to the caller.
void ParseTemplate(const CString& text, const TextEncoding& encoding,
                   const std::function<void(const char*, size_t)>& literal,
                   const std::function<void(const CString&)>& placeholder);

// Hands each placeholder name of the text, upper-cased, to visit.
void ForEachPlaceholder(const CString& text, const TextEncoding& encoding,
                        const std::function<void(const CString&)>& visit);

// Whether expanding the text would ask for the placeholder of this upper-case name, in any form.
bool UsesPlaceholder(const CString& text, const CString& upperName, const TextEncoding& encoding);

// What a repeat text's digest and version placeholders make a run read.
ContentNeeds TemplateNeeds(const CString& repeatText, const TextEncoding& encoding);
