#include "engine/PlainListing.h"

bool PlainListing::FinishLines(const SortedLineStore& lines, bool /*complete*/) {
    return files_.BeginText(files_.Output()) && WriteLines(lines, files_.Output());
}
