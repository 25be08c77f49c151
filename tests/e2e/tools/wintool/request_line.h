// One request: fields separated by tabs, each field with %XX escapes for any byte
// (so tabs, line breaks, '%' and non-ASCII bytes travel safely).
#pragma once
#include <string>
#include <vector>

std::string percent_decode(const std::string& field);
std::vector<std::string> split_request(const std::string& line);
