#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace tallomat::testing {

// A fuzzer's input, read front to back as the choices of one run; missing bytes read as zero, so
// every input, however short, is a whole run.
class FuzzInput {
  public:
    explicit FuzzInput(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool empty() const { return bytes_.empty(); }

    std::uint8_t byte() {
        if (bytes_.empty()) {
            return 0;
        }
        const std::uint8_t value = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return value;
    }

    std::uint16_t word() { return static_cast<std::uint16_t>(byte() | (byte() << 8)); }

    // The next `length` bytes as they stand, or as many as are left.
    std::string_view take(std::size_t length) {
        const std::size_t taken = std::min(length, bytes_.size());
        const std::string_view result(reinterpret_cast<const char*>(bytes_.data()), taken);
        bytes_ = bytes_.subspan(taken);
        return result;
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace tallomat::testing
