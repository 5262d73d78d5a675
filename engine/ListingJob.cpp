#include "engine/ListingJob.h"

#include "engine/WildcardFilter.h"

ListingJob::ListingJob(const ListingOptions& chosen) : options(chosen) {
    if (options.filter) SplitFilterText(options.filterText, filterList);
}
