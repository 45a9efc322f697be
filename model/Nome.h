#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

// A name that many elements carry, such as a layer name: each distinct text is kept once,
// shared by every name that holds it, and freed when the last one lets go. Reads like a
// constant std::string. Single-threaded, like the model.
class TNome {
  public:
    TNome() = default;
    TNome(std::string_view texto) { Define(texto); }
    TNome(const std::string& texto) : TNome(std::string_view(texto)) {}
    TNome(const char* texto) : TNome(std::string_view(texto)) {}
    TNome(const TNome& outro) : no_(outro.no_) { Prende(); }
    TNome(TNome&& outro) noexcept : no_(std::exchange(outro.no_, nullptr)) {}
    TNome& operator=(const TNome& outro);
    TNome& operator=(TNome&& outro) noexcept;
    TNome& operator=(std::string_view texto);
    TNome& operator=(const std::string& texto) { return *this = std::string_view(texto); }
    TNome& operator=(const char* texto) { return *this = std::string_view(texto); }
    ~TNome() { Solta(); }

    const std::string& Texto() const;
    operator const std::string&() const { return Texto(); }
    operator std::string_view() const { return Texto(); }
    bool empty() const { return no_ == nullptr; }
    std::size_t size() const { return Texto().size(); }

    // Equal texts share one copy, so two names compare by identity.
    friend bool operator==(const TNome& a, const TNome& b) { return a.no_ == b.no_; }
    friend bool operator==(const TNome& a, std::string_view b) { return a.Texto() == b; }
    friend bool operator==(const TNome& a, const char* b) { return a.Texto() == b; }
    friend bool operator==(const TNome& a, const std::string& b) { return a.Texto() == b; }
    friend std::ostream& operator<<(std::ostream& saida, const TNome& nome) {
        return saida << nome.Texto();
    }

    // How many distinct texts are held now.
    static std::size_t EmUso();

    struct No;

  private:
    void Define(std::string_view texto);
    void Prende();
    void Solta();

    No* no_ = nullptr; // null for the empty name
};
