#include "OGLClass.h"

namespace {

// The source as the receiver's class, or nullptr when it is absent or of another class.
template <class T> const T* SameClass(const TPersistent* source) {
    return dynamic_cast<const T*>(source);
}

} // namespace

// Vector

void TOGLVector::CopyFrom(const TPersistent* source) {
    const auto* vector = SameClass<TOGLVector>(source);
    if (vector == nullptr) return;
    x_ = vector->x_;
    y_ = vector->y_;
    z_ = vector->z_;
    NotifyChange();
}

bool TOGLVector::ReadProperty(std::string_view name, const TStoredValue& value) {
    if (name == "X")
        x_ = value.AsFloat();
    else if (name == "Y")
        y_ = value.AsFloat();
    else if (name == "Z")
        z_ = value.AsFloat();
    else
        return false;
    return true;
}

// Colour

std::array<float, 4> TOGLColor::RGBA(TColor color) {
    const auto channel = [color](int shift) {
        return static_cast<float>(static_cast<long double>((color >> shift) & 0xFF) / 255.0L);
    };
    return {channel(0), channel(8), channel(16), 1.0f};
}

void TOGLColor::CopyFrom(const TPersistent* source) {
    const auto* color = SameClass<TOGLColor>(source);
    if (color == nullptr) return;
    color_ = color->color_;
    NotifyChange();
}

bool TOGLColor::ReadProperty(std::string_view name, const TStoredValue& value) {
    if (name != "Color") return false;
    color_ = value.AsColor();
    return true;
}

// Axis cross

void TOGLCoordinates::CopyFrom(const TPersistent* source) {
    const auto* coordinates = SameClass<TOGLCoordinates>(source);
    if (coordinates == nullptr) return;
    visible_ = coordinates->visible_;
    length_ = coordinates->length_;
    colorX_ = coordinates->colorX_;
    colorY_ = coordinates->colorY_;
    colorZ_ = coordinates->colorZ_;
    NotifyChange();
}

bool TOGLCoordinates::ReadProperty(std::string_view name, const TStoredValue& value) {
    if (name == "Visible")
        visible_ = value.AsBool();
    else if (name == "Length")
        length_ = value.AsFloat();
    else if (name == "ColorX")
        colorX_ = value.AsColor();
    else if (name == "ColorY")
        colorY_ = value.AsColor();
    else if (name == "ColorZ")
        colorZ_ = value.AsColor();
    else
        return false;
    return true;
}

// Fog

TOGLFog::TOGLFog() {
    color_.SetColor(clWhite);
}

void TOGLFog::SetColor(const TOGLColor& value) {
    color_.CopyFrom(&value);
    NotifyChange();
}

void TOGLFog::CopyFrom(const TPersistent* source) {
    const auto* fog = SameClass<TOGLFog>(source);
    if (fog == nullptr) return;
    enabled_ = fog->enabled_;
    mode_ = fog->mode_;
    density_ = fog->density_;
    startDepth_ = fog->startDepth_;
    endDepth_ = fog->endDepth_;
    color_.CopyFrom(&fog->color_);
    quality_ = fog->quality_; // a copy without it would lose the source's fog hint
    NotifyChange();
}

bool TOGLFog::ReadProperty(std::string_view name, const TStoredValue& value) {
    if (name == "Enabled")
        enabled_ = value.AsBool();
    else if (name == "Mode")
        mode_ = value.AsEnum<TFogMode>(FogModeNames);
    else if (name == "Density")
        density_ = value.AsFloat();
    else if (name == "StartDepth")
        startDepth_ = value.AsFloat();
    else if (name == "EndDepth")
        endDepth_ = value.AsFloat();
    else if (name == "Quality")
        quality_ = value.AsEnum<TQuality>(QualityNames);
    else
        return false;
    return true;
}

TPersistent* TOGLFog::NestedObject(std::string_view name) {
    return name == "Color" ? &color_ : nullptr;
}

// Component

bool TOGLComponent::ReadProperty(std::string_view name, const TStoredValue& value) {
    if (name != "Tag") return false;
    tag_ = value.AsInteger();
    return true;
}
