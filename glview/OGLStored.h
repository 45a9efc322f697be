#pragma once

#include "OGLEvent.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

// Colour: red in the lowest byte, then green, then blue (0x00BBGGRR). The top byte is ignored.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;

class TPersistent;

// The components a stored description may name, by name.
using TComponentMap = std::map<std::string, TPersistent*, std::less<>>;

// A malformed stored description: the message names the line.
class EDescriptionError : public std::runtime_error {
  public:
    EDescriptionError(int line, const std::string& message);
    int Line() const { return line_; }

  private:
    int line_;
};

// One stored value as read from a description, converted on request. A value that does
// not fit the property's type raises EDescriptionError with the value's line.
class TStoredValue {
  public:
    TStoredValue(std::string text, int line, const TComponentMap& components)
        : text_(std::move(text)), line_(line), components_(components) {}

    const std::string& Text() const { return text_; }
    int Line() const { return line_; }

    float AsFloat() const;
    bool AsBool() const;
    std::int32_t AsInteger() const;
    TColor AsColor() const; // clBlack..clWhite by name, $hex, 0xhex or decimal
    TPersistent& AsComponent() const;

    template <class E, std::size_t N> E AsEnum(const std::array<std::string_view, N>& names) const {
        for (std::size_t i = 0; i < N; ++i)
            if (names[i] == text_) return static_cast<E>(i);
        Fail("\"" + text_ + "\" is not one of " + JoinNames(names.data(), N));
    }

    [[noreturn]] void Fail(const std::string& message) const;

  private:
    static std::string JoinNames(const std::string_view* names, std::size_t count);

    std::string text_;
    int line_;
    const TComponentMap& components_;
};

// The base of every object with stored properties and a copy operation.
class TPersistent : public TObject {
  public:
    virtual std::string_view ClassName() const = 0;

    // Copies the values of source when it is of a fitting class; any other source,
    // or none, is ignored silently.
    virtual void CopyFrom(const TPersistent* source);

    // Assigns a stored property, possibly inside an owned object ("Fog.Color.Color").
    // Straight into the field: no range test, no notification.
    void ReadStoredPath(std::string_view path, const TStoredValue& value);

  protected:
    // Assigns one of this class's own stored properties; false for an unknown name.
    virtual bool ReadProperty(std::string_view name, const TStoredValue& value);
    // The owned object stored under name, or nullptr.
    virtual TPersistent* NestedObject(std::string_view name);
};
