#pragma once

#include "Exception.h"

// A text that cannot be read as the number a step needs. The message is the exact text
// the failure report shows.
class EConversionError : public Exception {
public:
    using Exception::Exception;
};
