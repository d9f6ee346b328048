// Several unrelated results compared in one expectation, each under its name ("set=DATA_ovocie
// menu=0 found=0"), so that a failure says which of them differs.
#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

namespace tk_test {

class Fields {
  public:
    // Adds name=value; values print as a stream prints them (bool as 0 or 1), fields within fields
    // in braces.
    template <typename T>
    Fields& operator()(std::string_view name, const T& value) {
        std::ostringstream printed;
        if constexpr (std::is_same_v<T, Fields>) {
            printed << '{' << value.text_ << '}';
        } else {
            printed << value;
        }
        if (!text_.empty()) text_ += ' ';
        text_.append(name).append("=").append(printed.str());
        return *this;
    }

    const std::string& str() const { return text_; }
    bool operator==(const Fields&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Fields& f) { return out << f.text_; }

  private:
    std::string text_;
};

}  // namespace tk_test
