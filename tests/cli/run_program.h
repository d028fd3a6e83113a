// Runs a program to its end, the way a shell would, and keeps what it said.
#pragma once

#include <string>
#include <vector>

struct ProgramRun {
  int exitStatus = -1;  // -1 when the program could not be started
  std::string standardOutput;
  std::string standardError;
};

// program and arguments are bytes in the system's code page; the program
// runs in workingFolder; its output is captured in files of a folder of its
// own, so nothing is added to workingFolder.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder);
