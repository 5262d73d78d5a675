#pragma once
// Whether an earlier listing can be compared with a run of these options: every line must be a
// list-form line of text with the columns the options ask for and the same path form, each in
// order after the one before it.
#include "engine/EarlierListing.h"
#include "engine/RunResult.h"
#include "format/ListingOptions.h"

// Reads the whole listing and leaves it at its first line again. Complete when it fits, else
// the refusal: one of the Earlier results (engine/RunResult.h).
RunResult CheckEarlierListing(EarlierListing& earlier, const ListingOptions& options);
