// "/reg": makes this program the current screen saver and switches the saver on.
#pragma once

void InstallSaver();
