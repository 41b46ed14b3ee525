// This program's full path as Windows knows it: never argument zero as typed, which may
// be relative. Each is "" when it cannot be had.
#pragma once
#include <cstdint>
#include <string>

constexpr uint32_t WidePathCapacity = 32768;  // characters: the longest path Windows knows

// In Unicode: the only form that holds every folder name.
const wchar_t* ProgramPathW();

// As the ANSI functions see it (letters beyond the ANSI code page turn into '?'), the
// form the ANSI command line holds.
const char* ProgramPath();

// The short form of a path where its volume has one, else the path as given.
std::wstring ShortPathOf(const wchar_t* path);

// True when every letter has an ANSI form; ansi then holds the path in it.
bool ToAnsi(const std::wstring& wide, std::string& ansi);

// A form an ANSI profile can hold without a '?': the long path, else the short one,
// else "".
std::string ProgramPathInAnsi();
