#pragma once

#include <stdexcept>

// An error that ends the current operation and carries the message the user sees.
class ErroDXF : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
