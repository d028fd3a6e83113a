#include "tests/cli/run_program.h"

#include <cerrno>

#include "tests/engine/temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32

// A command line the C runtime splits back into the same arguments (none of
// the tests' arguments holds a quote).
std::string CommandLine(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = "\"" + program + "\"";
  for (const std::string& argument : arguments) line += " \"" + argument + "\"";
  return line;
}

int Run(const std::string& program, const std::vector<std::string>& arguments,
        const std::string& workingFolder, const std::string& outputPath,
        const std::string& errorPath) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, 0, &inheritable, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE error = CreateFileA(errorPath.c_str(), GENERIC_WRITE, 0, &inheritable, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = output;
  startup.hStdError = error;
  PROCESS_INFORMATION process = {};
  std::string line = CommandLine(program, arguments);
  int status = -1;
  if (CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     workingFolder.c_str(), &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) status = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(output);
  CloseHandle(error);
  return status;
}

#else

int Run(const std::string& program, const std::vector<std::string>& arguments,
        const std::string& workingFolder, const std::string& outputPath,
        const std::string& errorPath) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    int output = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int error = open(errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (output < 0 || error < 0 || dup2(output, 1) < 0 || dup2(error, 2) < 0 ||
        chdir(workingFolder.c_str()) != 0) {
      _exit(127);
    }
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

// A Windows console program writes its line breaks as "\r\n"; the tests
// compare lines as "\n" on both systems.
std::string WithPlainLineBreaks(std::string text) {
#ifdef _WIN32
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
    text.erase(at, 1);
  }
#endif
  return text;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) {
  TempFolder captures;
  Text outputPath = captures.PathOf("stdout.txt");
  Text errorPath = captures.PathOf("stderr.txt");
  ProgramRun run;
  run.exitStatus = Run(program, arguments, workingFolder, outputPath.c_str(), errorPath.c_str());
  run.standardOutput = WithPlainLineBreaks(ReadBytes(outputPath));
  run.standardError = WithPlainLineBreaks(ReadBytes(errorPath));
  return run;
}
