// TextArray: an ordered list of texts, as the open-file dialog returns them.
#pragma once

#include <vector>

#include "engine/text.h"

using TextArray = std::vector<Text>;
