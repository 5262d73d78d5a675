#include "common/ComparisonText.h"

#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "res/resource.h"

std::wstring ComparisonCountsText(const ComparisonCounts& counts) {
    return FillIn(LoadResourceText(IDS_COMPARE_COUNTS), {std::to_wstring(counts.added), std::to_wstring(counts.removed),
                                                        std::to_wstring(counts.changed), std::to_wstring(counts.unchanged)});
}
