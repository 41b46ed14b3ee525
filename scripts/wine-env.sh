# Sourced: the Wine settings every run here shares. Expects WINEPREFIX to be set.
export WINEDEBUG=-all
# mpr=n,b: MPR.DLL is searched for as Windows does (it is no known DLL), so a copy beside
# a program would be found first; the tests check that the saver never takes one.
export WINEDLLOVERRIDES="mscoree,mshtml=;mpr=n,b"
export WINEARCH=win64
