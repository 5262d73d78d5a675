#include "settings/CheckCountsText.h"

#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "res/resource.h"

std::wstring CheckCountsText(const CheckCounts& counts) {
    return FillIn(LoadResourceText(IDS_CHECK_COUNTS),
                  {std::to_wstring(counts.ok), std::to_wstring(counts.failed), std::to_wstring(counts.missing),
                   std::to_wstring(counts.unreadable), std::to_wstring(counts.malformed)});
}
