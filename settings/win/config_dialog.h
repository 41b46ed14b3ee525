// The configuration dialog (template 2003) of the "/c" run mode.
#pragma once
#include <cstdint>

// Shows the modal dialog owned by the foreground window; always returns 0.
int32_t RunConfigDialog();
