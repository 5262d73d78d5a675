#include "format/TemplateExpander.h"

#include <windows.h>

#include <functional>
#include <string>

#include "format/FormTexts.h"
#include "format/TemplateParse.h"
#include "format/TemplateSections.h"
#include "text/Utf8Text.h"

CString EnvironmentValue(const CString& name, const TextEncoding& encoding) {
    if (name.empty()) return CString();
    const std::wstring wideName = encoding.ToWide(name);
    std::wstring value(64, L'\0');
    for (;;) {
        const DWORD n = GetEnvironmentVariableW(wideName.c_str(), &value[0], static_cast<DWORD>(value.size()));
        if (n == 0) return CString();
        if (n < value.size()) {
            value.resize(n);
            return encoding.TextFromWide(value);
        }
        value.resize(n);  // n is the size needed, terminating zero included
    }
}

TemplateText::TemplateText(const CString& text, const CMapStringToPtr& placeholders,
                           const TextEncoding& encoding, const FormTexts* forms)
    : encoding_(&encoding) {
    auto addLiteral = [this](const CString& bytes) {
        const bool joins = !pieces_.empty() && !pieces_.back().text && pieces_.back().section == section_ &&
                           pieces_.back().neverWritten == neverWritten_;
        if (!joins) AddPiece(Piece());
        pieces_.back().literal += bytes;
    };
    ParseTemplate(
        text, encoding, [&](const char* bytes, size_t length) { addLiteral(CString(bytes, length)); },
        [&](const CString& name) {
            if (!name.empty() && name[0] == '?') return BeginSection(name);
            auto found = placeholders.find(name);
            if (found == placeholders.end()) {
                if (!AddFormedPiece(name, placeholders, forms)) addLiteral(EnvironmentValue(name, encoding));
                return;
            }
            Piece piece;
            piece.text = found->second;
            AddPiece(piece);
        });
}

void TemplateText::BeginSection(const CString& marker) {
    hasSections_ = true;
    section_ = marker == kFileSection     ? EntryKind::FileEntry
               : marker == kFolderSection ? EntryKind::FolderEntry
                                          : EntryKind::None;
    // A column section left in the text (one not made ready by a run) has no entry kind.
    neverWritten_ = section_ == EntryKind::None && marker != kSectionEnd;
}

void TemplateText::AddPiece(Piece piece) {
    piece.section = section_;
    piece.neverWritten = neverWritten_;
    pieces_.push_back(piece);
}

bool TemplateText::AddFormedPiece(const CString& name, const CMapStringToPtr& placeholders, const FormTexts* forms) {
    CString baseName;
    Piece piece;
    if (!SplitPlaceholderForm(name, baseName, piece.form)) return false;
    auto found = placeholders.find(baseName);
    if (found == placeholders.end()) return false;
    piece.formed = true;
    piece.text = found->second;
    piece.textEncoding = encoding_;
    if (piece.form == PlaceholderForm::Charset) {
        piece = Piece();
        piece.literal = CharsetName(*encoding_);
    } else if (piece.form == PlaceholderForm::Iso) {
        if (!forms || !forms->isoDateUsed) return false;
        piece.text = &forms->isoDate;
    } else if (const CString* real = forms && forms->realNamesUsed ? forms->RealText(baseName, piece.form) : nullptr) {
        piece.text = real;
        piece.textEncoding = &Utf8Text::Instance();
    }
    AddPiece(piece);
    return true;
}

void TemplateText::ExpandInto(CString& result, EntryKind entry) const {
    result.clear();
    for (const Piece& piece : pieces_) {
        if (piece.neverWritten || (piece.section != EntryKind::None && piece.section != entry)) continue;
        if (piece.formed) AppendInForm(piece.form, *piece.text, *piece.textEncoding, *encoding_, result);
        else result += piece.text ? *piece.text : piece.literal;
    }
}

CString TemplateText::Expand() const {
    CString result;
    ExpandInto(result);
    return result;
}

CString ExpandTemplate(const CString& text, const CMapStringToPtr& placeholders, const TextEncoding& encoding,
                       const FormTexts* forms) {
    return TemplateText(text, placeholders, encoding, forms).Expand();
}
