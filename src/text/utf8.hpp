// Telling a name written in UTF-8 from one in a legacy code page. The one
// implementation is the platform layer's, which opens names by it.
#pragma once

#include "platform/wide_names.hpp"
