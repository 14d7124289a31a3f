#pragma once

#include "DialogTemplate.h"

// Dialog template 175: the fifteen rows of seven score fields.
namespace ScoresDialogTemplate {
constexpr int kId = 175;
const DialogTemplate& Get();
} // namespace ScoresDialogTemplate
