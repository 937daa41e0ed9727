// The game's one exception type: an operation that cannot go on raises it with a fixed
// message, and the handler in main shows that message and ends the program.
#pragma once

#include <stdexcept>
#include <string>

class EGameError : public std::runtime_error {
public:
    explicit EGameError(const std::string& message) : std::runtime_error(message) {}
};

// The player answered No to a question that lets the program go on (a failed model-file
// check). main ends with a non-zero status; the text has already been shown.
class EUserAbort : public EGameError {
public:
    using EGameError::EGameError;
};
