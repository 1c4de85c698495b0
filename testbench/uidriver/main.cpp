// uidriver: reads commands from standard input, one per line, and prints a
// transcript. Lines starting with '#' and empty lines are skipped. Each
// command is echoed as "> command" before its output. A command that fails
// prints "error <command>: <reason>", ends the started program and makes the
// driver exit with status 2. Commands: see README.md beside this file.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "Driver.h"

using namespace uidriver;

int main() {
  _setmode(_fileno(stdout), _O_BINARY);

  CommandTable table;
  RegisterProcessCommands(table);
  RegisterWindowCommands(table);
  RegisterInputCommands(table);
  RegisterScreenCommands(table);

  Driver driver;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::size_t space = line.find(' ');
    const std::string name = line.substr(0, space);
    const std::string args = space == std::string::npos ? "" : line.substr(space + 1);
    driver.Say("> " + line);
    const auto command = table.find(name);
    try {
      if (command == table.end()) throw CommandError("unknown command");
      command->second(driver, args);
    } catch (const CommandError& e) {
      driver.Say("error " + name + ": " + e.what());
      if (driver.Running()) TerminateProcess(driver.process.Get(), 99);
      return 2;
    }
  }
  return 0;
}
