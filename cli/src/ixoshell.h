// The shell's line reader, apart from its loop so that it can be fed any
// stream.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// What the shell does with the next line of its input.
enum class ixo_shell_line {
    end,     // end of input: the shell ends
    quit,    // "quit" or "exit": the shell ends
    skip,    // too short or no word: the prompt again
    command, // words holds the line's words
};

// Reads one line of at most 255 characters from in; the rest of a longer
// line is left for the next read.
ixo_shell_line ixo_shell_read_line(FILE *in, std::vector<std::string> *words);
