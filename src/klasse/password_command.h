#pragma once

#include <cstdio>

// "moxabc --passwort-hash": asks for the teacher's password twice (not shown when typed at a
// terminal) and prints the line for the [Klasse] group of the administrator's file. Returns the
// program's exit code.
int runPasswordHashCommand(std::FILE* in, std::FILE* out, std::FILE* messages);
