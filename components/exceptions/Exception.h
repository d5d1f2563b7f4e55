#pragma once

#include <exception>
#include <string>

// Base of the program's exceptions. The message is UTF-8 text.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : m_message(std::move(message)) {}
    const std::string& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

// Raised when a component's core cannot be loaded or a core object cannot be made.
class EOutOfMemory : public Exception {
public:
    using Exception::Exception;
};

// Raised when a text does not convert to the number it should hold.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
