#pragma once
// Template texts: "%NAME%" stands for a placeholder text (names compared in upper case) or,
// for any other name, the environment variable of that name; "%%" is one percent sign.
// A name ends at the next "%", CR, LF or the end of the text; the character that ended it is
// dropped. Values are not scanned again.
#include <vector>

#include "framework/Strings.h"
#include "text/TextEncoding.h"

// A template taken apart once, so that expanding it for every entry reads no text again and
// asks the environment nothing: the process's environment does not change during a run.
class TemplateText {
public:
    // Environment values are fetched here, in the encoding's form.
    TemplateText(const CString& text, const CMapStringToPtr& placeholders, const TextEncoding& encoding);

    // The expansion with the placeholders' texts as they stand now, into result (replaced).
    void ExpandInto(CString& result) const;
    CString Expand() const;

private:
    struct Piece {
        CString literal;                // literal text, or an environment value
        const CString* text = nullptr;  // a placeholder's text, when not null
    };
    std::vector<Piece> pieces_;
};

// The text expanded once, as the header and footer are.
CString ExpandTemplate(const CString& text, const CMapStringToPtr& placeholders, const TextEncoding& encoding);

// Whether expanding the text would ask for the placeholder of this upper-case name.
bool UsesPlaceholder(const CString& text, const CString& upperName, const TextEncoding& encoding);

// Sets the flags that make a repeat text's checksum and version placeholders available.
void SetNeededFlags(const CString& repeatText, const TextEncoding& encoding, bool& checksumNeeded,
                    bool& versionNeeded);

// The environment variable's value in the encoding; empty when there is none.
CString EnvironmentValue(const CString& name, const TextEncoding& encoding);
