#pragma once

#include "DialogTemplate.h"

// Dialog template 100: the About box.
namespace AboutDialogTemplate {
constexpr int kId = 100;
const DialogTemplate& Get();
} // namespace AboutDialogTemplate
