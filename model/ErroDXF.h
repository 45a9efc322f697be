#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// An error that ends the current operation and carries the message the user sees, and,
// for a fault met while reading a file, the line (counted from 1) where reading stopped.
class ErroDXF : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    ErroDXF(const std::string& mensagem, std::uint64_t linha)
        : std::runtime_error(mensagem), linha_(linha) {}

    std::optional<std::uint64_t> Linha() const { return linha_; }

  private:
    std::optional<std::uint64_t> linha_;
};
