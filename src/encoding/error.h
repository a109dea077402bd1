#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace quarnel {

// The one error type that the windows catch and show. The message is kept in
// UTF-16, as the program's texts are, so that it can name any character.
class Error : public std::exception {
public:
    explicit Error(std::u16string message);

    const std::u16string& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::u16string message_;
    std::string utf8_;
};

// A text that could not be read as a whole number.
class ConversionError : public Error {
public:
    // "'<text>' n'est pas une valeur entière correcte"
    static ConversionError notAnInteger(std::u16string_view text);

private:
    using Error::Error;
};

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

} // namespace quarnel
