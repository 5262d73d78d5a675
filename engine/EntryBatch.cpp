#include "engine/EntryBatch.h"

#include <cstring>
#include <cwchar>
#include <utility>

void EntryBatch::Reset(std::shared_ptr<const Directory> of, bool isFirst, bool content) {
    directory = std::move(of);
    first = isFirst;
    searchError = 0;
    withContent = content;
    items.clear();
    names.clear();
    texts.clear();
    contentStates.clear();
    contentNext = 0;
}

void EntryBatch::Add(const WalkedEntry& entry) {
    const WIN32_FIND_DATAW& record = entry.record;
    Item item;
    item.attributes = record.dwFileAttributes;
    item.creation = record.ftCreationTime;
    item.lastAccess = record.ftLastAccessTime;
    item.lastWrite = record.ftLastWriteTime;
    item.sizeHigh = record.nFileSizeHigh;
    item.sizeLow = record.nFileSizeLow;
    item.reserved0 = record.dwReserved0;
    item.wideAt = names.size();
    item.wideLength = std::wcslen(record.cFileName);
    names.append(record.cFileName, item.wideLength + 1);  // with its zero
    item.textAt = texts.size();
    item.textLength = entry.name.size();
    texts += entry.name;
    items.push_back(item);
    if (!withContent) return;
    contentStates.push_back(kUnread);
    if (contents.size() < items.size()) contents.emplace_back();
}

void EntryBatch::Get(size_t index, WIN32_FIND_DATAW& entry, CString& name) const {
    const Item& item = items[index];
    entry.dwFileAttributes = item.attributes;
    entry.ftCreationTime = item.creation;
    entry.ftLastAccessTime = item.lastAccess;
    entry.ftLastWriteTime = item.lastWrite;
    entry.nFileSizeHigh = item.sizeHigh;
    entry.nFileSizeLow = item.sizeLow;
    entry.dwReserved0 = item.reserved0;
    entry.dwReserved1 = 0;
    std::memcpy(entry.cFileName, names.c_str() + item.wideAt, (item.wideLength + 1) * sizeof(wchar_t));
    entry.cAlternateFileName[0] = L'\0';
    name.assign(texts, item.textAt, item.textLength);
}

std::wstring EntryBatch::RealPath(size_t index) const {
    const Item& item = items[index];
    std::wstring path = directory->realPath;
    path.append(names, item.wideAt, item.wideLength);
    return path;
}
