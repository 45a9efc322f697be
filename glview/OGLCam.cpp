#include "OGLCam.h"

#include <GL/gl.h>
#include <GL/glu.h>

TOGLCamera::TOGLCamera(QObject* owner) : TOGLComponent(owner) {
    // Set before any handler exists, so construction notifies nobody.
    position_.SetY(0.2f);
    position_.SetZ(2.0f);
    const auto vectorChanged = [this](TObject*) { NotifyChange(); };
    position_.OnChange = TNotifyEvent(this, vectorChanged);
    rotation_.OnChange = TNotifyEvent(this, vectorChanged);
}

void TOGLCamera::SetViewNear(float value) {
    if (value > 0.0f && StoreIfChanged(viewNear_, value)) NotifyChange();
}

void TOGLCamera::SetViewFar(float value) {
    if (StoreIfChanged(viewFar_, value)) NotifyChange();
}

void TOGLCamera::SetViewAngle(float value) {
    if (value >= 0.0f && value <= 180.0f && StoreIfChanged(viewAngle_, value)) NotifyChange();
}

void TOGLCamera::CopyFrom(const TPersistent* source) {
    const auto* camera = dynamic_cast<const TOGLCamera*>(source);
    if (camera == nullptr) return;
    position_.CopyFrom(&camera->position_);
    rotation_.CopyFrom(&camera->rotation_);
    viewNear_ = camera->viewNear_;
    viewFar_ = camera->viewFar_;
    viewAngle_ = camera->viewAngle_;
    NotifyChange();
}

float TOGLCamera::AspectRatio(int width, int height) {
    return static_cast<float>(static_cast<long double>(width) / (height == 0 ? 1 : height));
}

void TOGLCamera::LoadProjection(int width, int height, float viewNear, float viewFar) const {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(viewAngle_, AspectRatio(width, height), viewNear, viewFar);
    // The turn lives in the projection, so lighting and fog see the scene before it.
    glRotatef(rotation_.Z(), 0.0f, 0.0f, 1.0f);
    glRotatef(rotation_.X(), 1.0f, 0.0f, 0.0f);
    glRotatef(rotation_.Y(), 0.0f, 1.0f, 0.0f);
}

void TOGLCamera::ApplyCamera(int width, int height) const {
    glViewport(0, 0, width, height);
    LoadProjection(width, height, viewNear_, viewFar_);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(position_.X() * -1.0f, position_.Y() * -1.0f, position_.Z() * -1.0f);
    glMatrixMode(GL_PROJECTION);
}

void TOGLCamera::ApplyProjection(int width, int height, float viewNear, float viewFar) const {
    LoadProjection(width, height, viewNear, viewFar);
    glMatrixMode(GL_MODELVIEW);
}

bool TOGLCamera::ReadProperty(std::string_view name, const TStoredValue& value) {
    if (name == "ViewNear")
        viewNear_ = value.AsFloat();
    else if (name == "ViewFar")
        viewFar_ = value.AsFloat();
    else if (name == "ViewAngle")
        viewAngle_ = value.AsFloat();
    else
        return TOGLComponent::ReadProperty(name, value);
    return true;
}

TPersistent* TOGLCamera::NestedObject(std::string_view name) {
    if (name == "Position") return &position_;
    if (name == "Rotation") return &rotation_;
    return nullptr;
}
