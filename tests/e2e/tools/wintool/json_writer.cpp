#include "json_writer.h"

#include <cstdio>

std::string json_text(const std::string& bytes)
{
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void JsonObject::add(const char* key, const std::string& json)
{
    if (!body_.empty()) body_ += ',';
    body_ += json_text(key) + ':' + json;
}

JsonObject& JsonObject::text(const char* key, const std::string& value)
{
    add(key, json_text(value));
    return *this;
}

JsonObject& JsonObject::number(const char* key, long long value)
{
    add(key, std::to_string(value));
    return *this;
}

JsonObject& JsonObject::flag(const char* key, bool value)
{
    add(key, value ? "true" : "false");
    return *this;
}

JsonObject& JsonObject::null(const char* key)
{
    add(key, "null");
    return *this;
}

JsonObject& JsonObject::raw(const char* key, const std::string& json)
{
    add(key, json);
    return *this;
}

std::string JsonObject::str() const { return '{' + body_ + '}'; }

std::string json_array(const std::vector<std::string>& items)
{
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        if (i) out += ',';
        out += items[i];
    }
    return out + ']';
}

std::string json_numbers(const std::vector<long long>& values)
{
    std::vector<std::string> items;
    for (long long v : values) items.push_back(std::to_string(v));
    return json_array(items);
}
