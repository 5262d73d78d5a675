#include "common/PageResources.h"

#include <windows.h>

#include "framework/ModuleText.h"
#include "res/resource.h"
#include "text/Utf8Text.h"

namespace {

// The words the script knows, by the names it asks for them.
struct WordRow {
    const char* key;
    UINT id;
};

const WordRow kWords[] = {
    {"title", IDS_PAGE_TITLE},       {"noscript", IDS_PAGE_NOSCRIPT},
    {"name", IDS_PAGE_NAME},         {"size", IDS_PAGE_SIZE},
    {"date", IDS_PAGE_DATE},         {"attributes", IDS_PAGE_ATTRIBUTES},
    {"crc", IDS_PAGE_CRC},           {"version", IDS_PAGE_VERSION},
    {"productVersion", IDS_PAGE_PRODUCT_VERSION}, {"location", IDS_PAGE_LOCATION},
    {"search", IDS_PAGE_SEARCH},     {"hits", IDS_PAGE_HITS},
    {"listed", IDS_PAGE_LISTED},     {"totals", IDS_PAGE_TOTALS},
    {"unread", IDS_PAGE_UNREAD},     {"inexact", IDS_PAGE_INEXACT},
    {"export", IDS_PAGE_EXPORT},     {"empty", IDS_PAGE_EMPTY},
};

// The bytes of an RCDATA resource of the executable; empty when it has none.
std::string ResourceBytes(UINT id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) return std::string();
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::string();
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

std::string AsciiOf(const std::wstring& text) {
    return Utf8Text::Instance().TextFromWide(text);  // "ja" and "en": the same bytes in any encoding
}

}  // namespace

PageAssets LoadPageAssets() {
    PageAssets assets;
    assets.script = ResourceBytes(IDR_PAGE_SCRIPT);
    assets.style = ResourceBytes(IDR_PAGE_STYLE);
    assets.language = AsciiOf(LoadResourceText(IDS_PAGE_LANGUAGE));
    for (const WordRow& row : kWords) assets.words.push_back({row.key, LoadResourceText(row.id)});
    return assets;
}
