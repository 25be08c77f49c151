// The commands of wintool: each takes its arguments as ANSI byte strings and answers one
// JSON object ({"ok":true,...} or {"ok":false,"error":"..."}).
#pragma once
#include <string>
#include <vector>

// fields[0] is the command name, the rest its arguments.
std::string run_command(const std::vector<std::string>& fields);

// One line per command, for the usage text.
const char* command_summary();
