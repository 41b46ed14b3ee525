// Every panel text is formatted here before it is drawn; used under the game lock.
#pragma once

extern char TextBuffer[256];
