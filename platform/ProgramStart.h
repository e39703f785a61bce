#pragma once

#include <string>
#include <vector>

// Starting a new copy of the program and handing it open files, in place of a shell start of
// the program's own file: the new process inherits what the running one hands down, so that
// nothing another program could start in between ever sees it free.

// An open file handed down to the new process under the same number, which the new process
// finds in the environment variable `variable`.
struct HandedDownFd {
    std::string variable;
    int fd = -1;
};

// Starts the program file `path` with `arguments` (after its name) as a new process that does
// not end with this one. The handed-down files stay open in it; every other file of this
// process that is closed on start stays closed. False, with `error` telling why, when the
// process could not be made or the file could not be run.
bool StartProgram(const std::string& path, const std::vector<std::string>& arguments,
                  const std::vector<HandedDownFd>& handedDown, std::string& error);

// In the new process: the file handed down under `variable`, or -1 when there is none or the
// variable names no open file. The variable is removed, so that nothing started later inherits
// the claim, and the file is closed on any further start.
int TakeHandedDownFd(const char* variable);

// Waits until every writer of the pipe whose read end is `fd` has closed it (a process that
// held a write end has ended), at most `timeoutMs`. False when the time ran out.
bool WaitUntilPipeClosed(int fd, int timeoutMs);
