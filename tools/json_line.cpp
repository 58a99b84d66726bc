#include "json_line.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tallomat {
namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    std::array<char, 7> escape{};
                    std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
                    out += escape.data();
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

}  // namespace

void JsonLine::addName(std::string_view name) {
    if (text_.size() > 1) {
        text_ += ",";
    }
    text_ += quoted(name) + ":";
}

void JsonLine::add(std::string_view name, std::string_view text) {
    addName(name);
    text_ += quoted(text);
}

void JsonLine::add(std::string_view name, bool value) {
    addName(name);
    text_ += value ? "true" : "false";
}

void JsonLine::add(std::string_view name, double value) {
    addName(name);
    if (std::isnan(value)) {
        text_ += quoted("NaN");
    } else if (std::isinf(value)) {
        text_ += quoted(value > 0 ? "Infinity" : "-Infinity");
    } else {
        std::array<char, 32> digits{};
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        text_.append(digits.data(), result.ptr);
    }
}

void JsonLine::add(std::string_view name, const QStringList& texts) {
    addName(name);
    text_ += "[";
    for (qsizetype i = 0; i < texts.size(); ++i) {
        text_ += (i > 0 ? "," : "") + quoted(texts[i].toStdString());
    }
    text_ += "]";
}

}  // namespace tallomat
