#pragma once

// The view component's property objects: colour, vector, axis cross, fog, and the
// non-visual component base with its change notification.

#include "OGLStored.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <string_view>

enum TFogMode : std::uint8_t { fmLinear, fmExp, fmExp2 };
enum TQuality : std::uint8_t { quFastest, quNicest, quDontCare };
enum TPolygonMode : std::uint8_t { pmPoint, pmLine, pmFill };
enum TCullFace : std::uint8_t { cfNone, cfFront, cfBack };
enum TShadeModel : std::uint8_t { smFlat, smSmooth };

// The names a stored description uses for the enumeration values, in ordinal order.
inline constexpr std::array<std::string_view, 3> FogModeNames{"fmLinear", "fmExp", "fmExp2"};
inline constexpr std::array<std::string_view, 3> QualityNames{"quFastest", "quNicest",
                                                              "quDontCare"};
inline constexpr std::array<std::string_view, 3> PolygonModeNames{"pmPoint", "pmLine", "pmFill"};
inline constexpr std::array<std::string_view, 3> CullFaceNames{"cfNone", "cfFront", "cfBack"};
inline constexpr std::array<std::string_view, 2> ShadeModelNames{"smFlat", "smSmooth"};

// Sets field to value and says whether it changed. A float NaN counts as equal.
inline bool StoreIfChanged(float& field, float value) {
    if (!(value < field || value > field)) return false;
    field = value;
    return true;
}

template <class T> bool StoreIfChanged(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

// A group of settings owned by a view or a camera; every accepted change runs OnChange once.
class TOGLProperty : public TPersistent {
  public:
    // Set by the owner right after construction; not stored.
    TNotifyEvent OnChange;

    void NotifyChange() { OnChange(this); }

  protected:
    // Stores a new value and notifies once; an equal value (or NaN) changes nothing.
    template <class T> void Write(T& field, T value) {
        if (StoreIfChanged(field, value)) NotifyChange();
    }
};

class TOGLVector : public TOGLProperty {
  public:
    std::string_view ClassName() const override { return "TOGLVector"; }

    float X() const { return x_; }
    float Y() const { return y_; }
    float Z() const { return z_; }
    virtual void SetX(float value) { Write(x_, value); }
    virtual void SetY(float value) { Write(y_, value); }
    virtual void SetZ(float value) { Write(z_, value); }

    // Accepts any vector: a position and a rotation may be copied into each other.
    void CopyFrom(const TPersistent* source) override;

  protected:
    bool ReadProperty(std::string_view name, const TStoredValue& value) override;

  private:
    float x_ = 0.0f, y_ = 0.0f, z_ = 0.0f;
};

class TOGLPosition : public TOGLVector {
  public:
    std::string_view ClassName() const override { return "TOGLPosition"; }
};

class TOGLRotation : public TOGLVector {
  public:
    std::string_view ClassName() const override { return "TOGLRotation"; }
};

class TOGLColor : public TOGLProperty {
  public:
    std::string_view ClassName() const override { return "TOGLColor"; }

    TColor Color() const { return color_; }
    void SetColor(TColor value) { Write(color_, value); }

    // Red, green and blue as fractions of 255, alpha 1.
    std::array<float, 4> GetRGBA() const { return RGBA(color_); }
    static std::array<float, 4> RGBA(TColor color);

    void CopyFrom(const TPersistent* source) override;

  protected:
    bool ReadProperty(std::string_view name, const TStoredValue& value) override;

  private:
    TColor color_ = clBlack;
};

// The axis cross drawn by the view: solid positive and dotted negative half-axes.
class TOGLCoordinates : public TOGLProperty {
  public:
    std::string_view ClassName() const override { return "TOGLCoordinates"; }

    bool Visible() const { return visible_; }
    float Length() const { return length_; }
    TColor ColorX() const { return colorX_; }
    TColor ColorY() const { return colorY_; }
    TColor ColorZ() const { return colorZ_; }
    void SetVisible(bool value) { Write(visible_, value); }
    void SetLength(float value) { Write(length_, value); }
    void SetColorX(TColor value) { Write(colorX_, value); }
    void SetColorY(TColor value) { Write(colorY_, value); }
    void SetColorZ(TColor value) { Write(colorZ_, value); }

    void CopyFrom(const TPersistent* source) override;

  protected:
    bool ReadProperty(std::string_view name, const TStoredValue& value) override;

  private:
    bool visible_ = false;
    float length_ = 1.0f;
    TColor colorX_ = clRed;
    TColor colorY_ = clGreen;
    TColor colorZ_ = clBlue;
};

class TOGLFog : public TOGLProperty {
  public:
    TOGLFog();
    std::string_view ClassName() const override { return "TOGLFog"; }

    bool Enabled() const { return enabled_; }
    TFogMode Mode() const { return mode_; }
    float Density() const { return density_; }
    float StartDepth() const { return startDepth_; }
    float EndDepth() const { return endDepth_; }
    TQuality Quality() const { return quality_; }
    void SetEnabled(bool value) { Write(enabled_, value); }
    void SetMode(TFogMode value) { Write(mode_, value); }
    void SetDensity(float value) { Write(density_, value); }
    void SetStartDepth(float value) { Write(startDepth_, value); }
    void SetEndDepth(float value) { Write(endDepth_, value); }
    void SetQuality(TQuality value) { Write(quality_, value); }

    // The fog's own colour. Changing it directly does not notify the fog's owner;
    // SetColor copies a colour in and always notifies.
    TOGLColor& Color() { return color_; }
    const TOGLColor& Color() const { return color_; }
    void SetColor(const TOGLColor& value);

    void CopyFrom(const TPersistent* source) override;

  protected:
    bool ReadProperty(std::string_view name, const TStoredValue& value) override;
    TPersistent* NestedObject(std::string_view name) override;

  private:
    bool enabled_ = false;
    TFogMode mode_ = fmExp;
    float density_ = 1.0f;
    float startDepth_ = 0.0f;
    float endDepth_ = 1.0f;
    TOGLColor color_;
    TQuality quality_ = quDontCare;
};

// A named, owned, non-visual component with a change notification. Name and owner are
// the QObject's object name and parent.
class TOGLComponent : public QObject, public TPersistent {
  public:
    explicit TOGLComponent(QObject* owner = nullptr) : QObject(owner) {}

    TNotifyEvent OnChange;
    void NotifyChange() { OnChange(this); }

    std::int32_t Tag() const { return tag_; }
    void SetTag(std::int32_t value) { tag_ = value; }

  protected:
    bool ReadProperty(std::string_view name, const TStoredValue& value) override;

  private:
    std::int32_t tag_ = 0;
};
