// wintool: "wintool serve" answers one request per line on stdin with one JSON line on
// stdout (tab-separated fields with %XX escapes); "wintool COMMAND ARGS..." runs one.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "request_line.h"

namespace {

void answer(const std::string& json)
{
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int serve()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "quit") break;
        answer(run_command(split_request(line)));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    if (argc == 2 && std::string(argv[1]) == "serve") return serve();
    if (argc < 2) {
        std::fprintf(stderr, "usage: wintool serve | wintool COMMAND ARGS...\n%s", command_summary());
        return 2;
    }
    std::vector<std::string> fields;
    for (int i = 1; i < argc; ++i) fields.push_back(percent_decode(argv[i]));
    std::string json = run_command(fields);
    answer(json);
    return json.rfind("{\"ok\":true", 0) == 0 ? 0 : 1;
}
