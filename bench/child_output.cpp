#include "bench/child_output.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "bench/kernel_handles.h"

namespace pavonet::bench {

std::string RunAndCapture(const std::string& commandLine) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) throw std::runtime_error("CreatePipe");
  const KernelHandle reader(readEnd);
  KernelHandle writer(writeEnd);
  SetHandleInformation(reader.Get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writer.Get();
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION info{};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &info))
    throw std::runtime_error("cannot start " + commandLine);
  const KernelHandle process(info.hProcess);
  const KernelHandle thread(info.hThread);
  writer.Reset();  // only the child holds the write end now: its exit ends the reads

  std::string output;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(reader.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
    output.append(buffer, got);
  WaitForSingleObject(process.Get(), INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process.Get(), &code);
  if (code != 0) throw std::runtime_error(commandLine + " failed:\n" + output);
  return output;
}

std::string ThisProgram() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

}  // namespace pavonet::bench
