#pragma once

#include <QStringList>
#include <string>
#include <string_view>

namespace tallomat {

// Writes one JSON object on one line, members in the order they are added.
class JsonLine {
  public:
    void add(std::string_view name, std::string_view text);
    void add(std::string_view name, bool value);
    // The shortest form that reads back to the same double; non-finite values as strings.
    void add(std::string_view name, double value);
    void add(std::string_view name, const QStringList& texts);

    std::string str() const { return text_ + "}"; }

  private:
    void addName(std::string_view name);

    std::string text_ = "{";
};

}  // namespace tallomat
