// A tiny writer of one-line JSON objects. Texts are ANSI bytes; each byte is written as
// the code point of the same value, so a reader gets the bytes back with latin-1.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

std::string json_text(const std::string& bytes);

class JsonObject {
public:
    JsonObject& text(const char* key, const std::string& value);
    JsonObject& number(const char* key, long long value);
    JsonObject& flag(const char* key, bool value);
    JsonObject& null(const char* key);
    JsonObject& raw(const char* key, const std::string& json);
    std::string str() const;

private:
    void add(const char* key, const std::string& json);
    std::string body_;
};

std::string json_array(const std::vector<std::string>& items);
std::string json_numbers(const std::vector<long long>& values);
