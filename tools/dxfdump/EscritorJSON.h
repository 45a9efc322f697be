#pragma once

// The JSON text the dump tool writes: ASCII only, reals in the shortest form that reads back
// to the same double. Shared by the model's dump and the scene's.

#include "Real.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

// Builds JSON text. Values are separated by commas automatically; `Chave` starts a member.
class EscritorJSON {
  public:
    std::string texto;

    void Abre(char c) {
        Separa();
        texto += c;
        primeiro_ = true;
    }
    void Fecha(char c) {
        Quebra();
        texto += c;
        primeiro_ = false;
    }
    // The next value (or closing bracket) starts a new line.
    void NovaLinha() { quebra_ = true; }
    void Chave(const std::string& nome) {
        Texto(nome);
        texto += ':';
        primeiro_ = true;
    }
    void Nulo() {
        Separa();
        texto += "null";
    }
    void Inteiro(std::int64_t v) {
        Separa();
        texto += std::to_string(v);
    }
    // JSON has no infinity or NaN: such a value is written as null.
    void Numero(double v) {
        if (!std::isfinite(v)) return Nulo();
        Separa();
        char buf[32];
        auto fim = std::to_chars(buf, buf + sizeof buf, v).ptr;
        texto.append(buf, fim);
    }
    void Numero(const Real& v) { Numero(v.ComoDouble()); }
    // Every byte outside printable ASCII, and the quote and backslash, is escaped.
    void Texto(const std::string& s) {
        Separa();
        texto += '"';
        for (unsigned char c : s) {
            if (c == '"' || c == '\\') {
                texto += '\\';
                texto += static_cast<char>(c);
            } else if (c < 32 || c > 126) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04X", c);
                texto += buf;
            } else {
                texto += static_cast<char>(c);
            }
        }
        texto += '"';
    }

  private:
    void Separa() {
        if (!primeiro_) texto += ',';
        primeiro_ = false;
        Quebra();
    }
    void Quebra() {
        if (quebra_) texto += '\n';
        quebra_ = false;
    }
    bool primeiro_ = true;
    bool quebra_ = false;
};
