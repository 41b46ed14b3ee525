// The diagnostic hook: failed operations hand it their label. It keeps nothing.
#pragma once

void Trace(const char* text);
