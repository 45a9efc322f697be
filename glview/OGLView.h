#pragma once

// The OpenGL view control: owns an OpenGL context on its own surface and renders the whole
// picture (background, camera, display properties, axis cross, default lights and material,
// then the OnPaint callback) on every paint.

#include "OGLCam.h"
#include "OGLClass.h"

#include <QMetaObject>
#include <QOpenGLWidget>
#include <QPointer>

#include <string>

class QOpenGLContext;

class TOGLView : public QOpenGLWidget, public TPersistent {
    Q_OBJECT

  public:
    explicit TOGLView(QWidget* parent = nullptr);
    ~TOGLView() override;

    std::string_view ClassName() const override { return "TOGLView"; }

    // Owned objects: writing one copies the given values into the view's own object.
    TOGLColor& ColorAmbient() { return colorAmbient_; }
    TOGLCoordinates& Coordinates() { return coordinates_; }
    TOGLFog& Fog() { return fog_; }
    const TOGLColor& ColorAmbient() const { return colorAmbient_; }
    const TOGLCoordinates& Coordinates() const { return coordinates_; }
    const TOGLFog& Fog() const { return fog_; }
    void SetColorAmbient(const TOGLColor& value) { colorAmbient_.CopyFrom(&value); }
    void SetCoordinates(const TOGLCoordinates& value) { coordinates_.CopyFrom(&value); }
    void SetFog(const TOGLFog& value) { fog_.CopyFrom(&value); }

    // Display properties: a new value requests a redraw when the view has a context.
    bool Antialiasing() const { return antialiasing_; }
    TColor BackgroundColor() const { return backgroundColor_; }
    TCullFace CullFace() const { return cullFace_; }
    bool Dithering() const { return dithering_; }
    bool Lighting() const { return lighting_; }
    TQuality PerspectiveCorrection() const { return perspectiveCorrection_; }
    TPolygonMode PolygonMode() const { return polygonMode_; }
    TShadeModel ShadeModel() const { return shadeModel_; }
    void SetAntialiasing(bool value);
    void SetBackgroundColor(TColor value);
    void SetCullFace(TCullFace value);
    void SetDithering(bool value);
    void SetLighting(bool value);
    void SetPerspectiveCorrection(TQuality value);
    void SetPolygonMode(TPolygonMode value);
    void SetShadeModel(TShadeModel value);

    // The camera is not owned. Attaching one links its changes to this view's redraw and
    // always requests one redraw; a camera that is detached or destroyed, or a view that
    // is destroyed, leaves no link behind.
    TOGLCamera* Camera() const { return camera_; }
    void SetCamera(TOGLCamera* value);

    // Called at every render that has a camera, with the view as sender and the view's
    // context current; the handler must not release the context.
    TNotifyEvent OnPaint;

    bool HasContext() const { return rc_ != nullptr; }
    bool IsCurrent() const;
    void MakeCurrent(bool on);
    // Asks for one paint; requests before the next paint give one render.
    void Redraw() { update(); }

    // Why the last context creation failed; empty after a success.
    const std::string& ContextError() const { return contextError_; }

    // The client area in device pixels, as the camera's viewport uses it.
    // Draws the view (as a paint would) into the OpenGL context current now, whichever it is
    // (one made without Qt, with no display): what the paint callback draws, at the view's size.
    void RenderInCurrentContext();
    int ClientWidth() const;
    int ClientHeight() const;

  protected:
    void initializeGL() override;
    void paintGL() override;

    // Takes the context Qt created for the view's surface; false (and no context) when
    // there is none or CheckContext refuses it.
    bool CreateContext();
    void DestroyContext();
    // Throws std::runtime_error for a context the render cannot draw with.
    virtual void CheckContext(const QOpenGLContext& context) const;

    // One whole picture; runs for every paint while the view has a context.
    virtual void Render();

    bool ReadProperty(std::string_view name, const TStoredValue& value) override;
    TPersistent* NestedObject(std::string_view name) override;

  private:
    void PropertyChanged(TObject* sender);
    void SetDisplayProperty(auto& field, auto value);
    void LinkCamera(TOGLCamera* camera);
    void UnlinkCamera();

    void ApplyDisplayProperties() const;
    void DrawCoordinates() const;

    TOGLColor colorAmbient_;
    bool antialiasing_ = false;
    TColor backgroundColor_ = clBlack;
    TOGLCoordinates coordinates_;
    QPointer<TOGLCamera> camera_;
    TCullFace cullFace_ = cfNone;
    bool dithering_ = true;
    TOGLFog fog_;
    bool lighting_ = false;
    TQuality perspectiveCorrection_ = quDontCare;
    TPolygonMode polygonMode_ = pmFill;
    TShadeModel shadeModel_ = smSmooth;

    QOpenGLContext* rc_ = nullptr;
    std::string contextError_;
    QMetaObject::Connection contextGone_;
    QMetaObject::Connection cameraGone_;
};
