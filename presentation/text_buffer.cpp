#include "presentation/text_buffer.h"

char TextBuffer[256];
