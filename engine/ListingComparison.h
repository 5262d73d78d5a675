#pragma once
// The comparison of a run's sorted lines with an earlier listing in the same order: one merge
// pass, entries paired by their path (the text before the first tab) compared as the lines are
// sorted. The report has one line per difference, in the listing's order: "+" TAB the new
// line, "-" TAB the earlier line of an entry now gone, and for a changed entry "<" TAB the
// earlier line then ">" TAB the line now.
#include "format/ComparisonCounts.h"
#include "engine/EarlierListing.h"
#include "engine/OutputFile.h"
#include "engine/SortedLineStore.h"
#include "text/TextEncoding.h"

// Writes the report lines to report and counts the entries; false when a write or a read of
// the earlier listing failed (earlier.Failed() tells which).
bool CompareWithEarlier(const SortedLineStore& lines, EarlierListing& earlier, const TextEncoding& encoding,
                        OutputFile& report, ComparisonCounts& counts);
