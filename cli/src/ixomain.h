// The command runner: one command, or the interactive shell.
#pragma once

// Index of the class row of the command being run; print_error_string uses
// it to show that class's usage.
extern int ixo_cur_class;
// True while the adapter scan of the current command found no adapter: the
// target errors then report the empty host instead.
extern bool bNoAd;

int ixo_cmdline_parser(int argc, char **argv);
int ixo_main(int argc, char **argv);
int ixo_shell();

int ixo_get_class_id(const char *cls, int *idx);
int ixo_get_cmd_id(const char *cmd, int cls, int *idx);
int ixo_validate_arg_count(int cls, int cmd, int argc);

// Help and version, served before the library is initialised.
bool ixo_internal_command(const char *cmd);
void ixo_print_help(bool bishelp);
void ixo_print_version();
const char *ixo_get_version();

// "ixo --complete WORD...": the words that may follow, for shell completion.
int ixo_complete(int nwords, char **words);

// The whole program behind main(): shared by the executables, which differ
// only in the system they talk to.
int ixo_run(int argc, char **argv);
