#pragma once
// The browsable page's script, style and words, from the program's resources (the string
// tables in the user's language): what both front ends hand to a page run.
#include "format/PageAssets.h"

PageAssets LoadPageAssets();
