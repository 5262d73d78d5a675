#include "text/SimpleCase.h"

std::vector<wchar_t> SimpleCaseMap(DWORD flag) {
    std::vector<wchar_t> map(0x10000);
    for (size_t i = 0; i < map.size(); ++i) map[i] = static_cast<wchar_t>(i);
    auto mapRange = [&](size_t first, size_t end) {
        const int length = static_cast<int>(end - first);
        std::vector<wchar_t> mapped(end - first);
        // The simple mapping changes no length: one call maps the whole range unit by unit.
        if (LCMapStringEx(LOCALE_NAME_INVARIANT, flag, &map[first], length, mapped.data(), length, nullptr,
                          nullptr, 0) == length)
            for (size_t i = first; i < end; ++i) map[i] = mapped[i - first];
    };
    mapRange(1, 0xD800);
    mapRange(0xE000, 0x10000);
    return map;
}
