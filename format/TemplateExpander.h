#pragma once
// Template texts: "%NAME%" stands for a placeholder text (names compared in upper case) or,
// for any other name, the environment variable of that name; "%%" is one percent sign.
// A name ends at the next "%", CR, LF or the end of the text; the character that ended it is
// dropped. Values are not scanned again. "%NAME:form%" writes a placeholder in one of its
// forms (format/PlaceholderForms.h). Sections "%?FILE%...%?%" and "%?FOLDER%...%?%" are
// written only for an entry of that kind (format/TemplateSections.h has the column sections).
#include <functional>
#include <vector>

#include "format/PlaceholderForms.h"
#include "format/TemplateParse.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

struct FormTexts;

// The kind of entry an expansion is for; None for the header and footer, which write no
// entry section.
enum class EntryKind { None, FileEntry, FolderEntry };

// A template taken apart once, so that expanding it for every entry reads no text again and
// asks the environment nothing: the process's environment does not change during a run.
class TemplateText {
public:
    // Environment values are fetched here, in the encoding's form. forms: the texts the forms
    // read (real names, ISO date) where the run noted their use; else the forms write the
    // placeholders' own texts, and DATE has no iso form.
    TemplateText(const CString& text, const CMapStringToPtr& placeholders, const TextEncoding& encoding,
                 const FormTexts* forms = nullptr);

    // The expansion with the placeholders' texts as they stand now, into result (replaced).
    void ExpandInto(CString& result, EntryKind entry = EntryKind::None) const;
    CString Expand() const;
    // Whether the text holds a section: an entry it expands to nothing for then has no line.
    bool HasSections() const { return hasSections_; }

private:
    struct Piece {
        CString literal;                // literal text, or an environment value
        const CString* text = nullptr;  // a placeholder's text, when not null
        bool formed = false;            // the text is written in form, read in textEncoding
        PlaceholderForm form = PlaceholderForm::Html;
        const TextEncoding* textEncoding = nullptr;
        EntryKind section = EntryKind::None;  // None: outside a section, written for all
        bool neverWritten = false;            // in a section of no entry kind
    };
    bool AddFormedPiece(const CString& name, const CMapStringToPtr& placeholders, const FormTexts* forms);
    void BeginSection(const CString& marker);
    void AddPiece(Piece piece);

    const TextEncoding* encoding_;
    std::vector<Piece> pieces_;
    EntryKind section_ = EntryKind::None;  // of the pieces being added
    bool neverWritten_ = false;
    bool hasSections_ = false;
};

// The text expanded once, as the header and footer are.
CString ExpandTemplate(const CString& text, const CMapStringToPtr& placeholders, const TextEncoding& encoding,
                       const FormTexts* forms = nullptr);

// The environment variable's value in the encoding; empty when there is none.
CString EnvironmentValue(const CString& name, const TextEncoding& encoding);
