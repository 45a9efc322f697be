#include "OGLView.h"

#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <stdexcept>

TOGLView::TOGLView(QWidget* parent) : QOpenGLWidget(parent) {
    resize(400, 250);

    // Double-buffered RGBA with a depth buffer, and the fixed-function pipeline.
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(32);
    setFormat(format);

    colorAmbient_.SetColor(0x333333);
    const auto propertyChanged = [this](TObject* sender) { PropertyChanged(sender); };
    colorAmbient_.OnChange = TNotifyEvent(this, propertyChanged);
    coordinates_.OnChange = TNotifyEvent(this, propertyChanged);
    fog_.OnChange = TNotifyEvent(this, propertyChanged);
}

TOGLView::~TOGLView() {
    // Before the widget base releases Qt's context, while this object is still whole.
    UnlinkCamera();
    DestroyContext();
}

void TOGLView::PropertyChanged(TObject*) {
    Redraw();
}

void TOGLView::SetDisplayProperty(auto& field, auto value) {
    if (StoreIfChanged(field, value) && HasContext()) Redraw();
}

void TOGLView::SetAntialiasing(bool value) {
    SetDisplayProperty(antialiasing_, value);
}
void TOGLView::SetBackgroundColor(TColor value) {
    SetDisplayProperty(backgroundColor_, value);
}
void TOGLView::SetCullFace(TCullFace value) {
    SetDisplayProperty(cullFace_, value);
}
void TOGLView::SetDithering(bool value) {
    SetDisplayProperty(dithering_, value);
}
void TOGLView::SetLighting(bool value) {
    SetDisplayProperty(lighting_, value);
}
void TOGLView::SetPerspectiveCorrection(TQuality value) {
    SetDisplayProperty(perspectiveCorrection_, value);
}
void TOGLView::SetPolygonMode(TPolygonMode value) {
    SetDisplayProperty(polygonMode_, value);
}
void TOGLView::SetShadeModel(TShadeModel value) {
    SetDisplayProperty(shadeModel_, value);
}

void TOGLView::SetCamera(TOGLCamera* value) {
    LinkCamera(value);
    PropertyChanged(this);
}

void TOGLView::LinkCamera(TOGLCamera* camera) {
    if (camera != camera_) UnlinkCamera();
    camera_ = camera;
    if (camera == nullptr) return;
    // The guard keeps a camera that outlives this view from calling into it.
    camera->OnChange = TNotifyEvent(this, [view = QPointer<TOGLView>(this)](TObject* sender) {
        if (view) view->PropertyChanged(sender);
    });
    if (!cameraGone_)
        cameraGone_ = connect(camera, &QObject::destroyed, this, [this] {
            cameraGone_ = {};
            Redraw();
        });
}

// A detached camera no longer redraws this view; one already re-attached elsewhere keeps
// its new link.
void TOGLView::UnlinkCamera() {
    disconnect(cameraGone_);
    cameraGone_ = {};
    if (camera_ && camera_->OnChange.IsBoundTo(this)) camera_->OnChange = {};
    camera_ = nullptr;
}

bool TOGLView::IsCurrent() const {
    return HasContext() && QOpenGLContext::currentContext() == rc_;
}

void TOGLView::MakeCurrent(bool on) {
    if (!HasContext()) return;
    if (on)
        makeCurrent();
    else
        doneCurrent();
}

int TOGLView::ClientWidth() const {
    return qRound(width() * devicePixelRatioF());
}
int TOGLView::ClientHeight() const {
    return qRound(height() * devicePixelRatioF());
}

void TOGLView::initializeGL() {
    CreateContext();
}

void TOGLView::paintGL() {
    if (HasContext()) Render();
}

bool TOGLView::CreateContext() {
    try {
        QOpenGLContext* created = context();
        if (created == nullptr || !created->isValid())
            throw std::runtime_error("The OpenGL context could not be created.");
        CheckContext(*created);
        rc_ = created;
        contextGone_ = connect(created, &QOpenGLContext::aboutToBeDestroyed, this,
                               [this] { DestroyContext(); });
        contextError_.clear();
        return true;
    } catch (const std::exception& error) {
        DestroyContext();
        contextError_ = error.what();
        return false;
    }
}

void TOGLView::DestroyContext() {
    disconnect(contextGone_);
    contextGone_ = {};
    if (rc_ != nullptr && QOpenGLContext::currentContext() == rc_) rc_->doneCurrent();
    rc_ = nullptr;
}

void TOGLView::CheckContext(const QOpenGLContext& context) const {
    if (context.isOpenGLES())
        throw std::runtime_error("The view draws with desktop OpenGL, not OpenGL ES.");
    if (context.format().profile() == QSurfaceFormat::CoreProfile)
        throw std::runtime_error("The view needs a compatibility profile, not a core profile.");
}

bool TOGLView::ReadProperty(std::string_view name, const TStoredValue& value) {
    if (name == "Antialiasing")
        antialiasing_ = value.AsBool();
    else if (name == "BackgroundColor")
        backgroundColor_ = value.AsColor();
    else if (name == "CullFace")
        cullFace_ = value.AsEnum<TCullFace>(CullFaceNames);
    else if (name == "Dithering")
        dithering_ = value.AsBool();
    else if (name == "Lighting")
        lighting_ = value.AsBool();
    else if (name == "PerspectiveCorrection")
        perspectiveCorrection_ = value.AsEnum<TQuality>(QualityNames);
    else if (name == "PolygonMode")
        polygonMode_ = value.AsEnum<TPolygonMode>(PolygonModeNames);
    else if (name == "ShadeModel")
        shadeModel_ = value.AsEnum<TShadeModel>(ShadeModelNames);
    else if (name == "Camera") {
        auto* camera = dynamic_cast<TOGLCamera*>(&value.AsComponent());
        if (camera == nullptr) value.Fail("\"" + value.Text() + "\" is not a TOGLCamera");
        LinkCamera(camera);
    } else
        return false;
    return true;
}

TPersistent* TOGLView::NestedObject(std::string_view name) {
    if (name == "ColorAmbient") return &colorAmbient_;
    if (name == "Coordinates") return &coordinates_;
    if (name == "Fog") return &fog_;
    return nullptr;
}
