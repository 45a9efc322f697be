#include "OGLStored.h"

#include <charconv>
#include <cmath>
#include <limits>

EDescriptionError::EDescriptionError(int line, const std::string& message)
    : std::runtime_error("Line " + std::to_string(line) + ": " + message), line_(line) {}

void TStoredValue::Fail(const std::string& message) const {
    throw EDescriptionError(line_, message);
}

std::string TStoredValue::JoinNames(const std::string_view* names, std::size_t count) {
    std::string joined;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) joined += ", ";
        joined += names[i];
    }
    return joined;
}

namespace {

// Parses the whole of text as a number; false when anything is left over or it does not fit.
template <class T> bool ParseWhole(std::string_view text, T& result, int base = 10) {
    const char* end = text.data() + text.size();
    std::from_chars_result r;
    if constexpr (std::is_floating_point_v<T>)
        r = std::from_chars(text.data(), end, result, std::chars_format::general);
    else
        r = std::from_chars(text.data(), end, result, base);
    return !text.empty() && r.ec == std::errc() && r.ptr == end;
}

} // namespace

float TStoredValue::AsFloat() const {
    std::string_view text = text_;
    if (text.starts_with('+')) text.remove_prefix(1);
    float value = 0.0f;
    if (!ParseWhole(text, value) || !std::isfinite(value))
        Fail("\"" + text_ + "\" is not a finite number");
    return value;
}

bool TStoredValue::AsBool() const {
    if (text_ == "True") return true;
    if (text_ == "False") return false;
    Fail("\"" + text_ + "\" is not True or False");
}

std::int32_t TStoredValue::AsInteger() const {
    std::int32_t value = 0;
    if (!ParseWhole(std::string_view(text_), value)) Fail("\"" + text_ + "\" is not an integer");
    return value;
}

TColor TStoredValue::AsColor() const {
    static const std::map<std::string_view, TColor> named{{"clBlack", clBlack},
                                                          {"clRed", clRed},
                                                          {"clGreen", clGreen},
                                                          {"clBlue", clBlue},
                                                          {"clWhite", clWhite}};
    if (auto it = named.find(text_); it != named.end()) return it->second;
    std::string_view digits = text_;
    int base = 10;
    if (digits.starts_with('$')) {
        digits.remove_prefix(1);
        base = 16;
    } else if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    TColor value = 0;
    if (!ParseWhole(digits, value, base))
        Fail("\"" + text_ + "\" is not a colour (a cl name, $hex, 0xhex or a number up to " +
             std::to_string(std::numeric_limits<TColor>::max()) + ")");
    return value;
}

TPersistent& TStoredValue::AsComponent() const {
    auto it = components_.find(text_);
    if (it == components_.end() || it->second == nullptr)
        Fail("no component named \"" + text_ + "\"");
    return *it->second;
}

void TPersistent::CopyFrom(const TPersistent*) {}

bool TPersistent::ReadProperty(std::string_view, const TStoredValue&) {
    return false;
}

TPersistent* TPersistent::NestedObject(std::string_view) {
    return nullptr;
}

void TPersistent::ReadStoredPath(std::string_view path, const TStoredValue& value) {
    TPersistent* object = this;
    std::string_view rest = path;
    for (auto dot = rest.find('.'); dot != std::string_view::npos; dot = rest.find('.')) {
        TPersistent* nested = object->NestedObject(rest.substr(0, dot));
        if (nested == nullptr)
            value.Fail(std::string(object->ClassName()) + " has no object property \"" +
                       std::string(rest.substr(0, dot)) + "\"");
        object = nested;
        rest.remove_prefix(dot + 1);
    }
    if (!object->ReadProperty(rest, value))
        value.Fail(std::string(object->ClassName()) + " has no stored property \"" +
                   std::string(rest) + "\"");
}
