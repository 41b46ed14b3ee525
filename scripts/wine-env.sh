# Sourced: the Wine settings every run here shares. Expects WINEPREFIX to be set.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
