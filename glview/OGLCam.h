#pragma once

// The camera: where the viewer stands, how the view is turned, and the perspective.

#include "OGLClass.h"

class TOGLCamera : public TOGLComponent {
  public:
    explicit TOGLCamera(QObject* owner = nullptr);
    std::string_view ClassName() const override { return "TOGLCamera"; }

    // Eye point in world coordinates; (0, 0.2, 2) when constructed.
    TOGLPosition& Position() { return position_; }
    const TOGLPosition& Position() const { return position_; }
    void SetPosition(const TOGLVector& value) { position_.CopyFrom(&value); }

    // Turn of the view about Z, X and Y, in degrees.
    TOGLRotation& Rotation() { return rotation_; }
    const TOGLRotation& Rotation() const { return rotation_; }
    void SetRotation(const TOGLVector& value) { rotation_.CopyFrom(&value); }

    float ViewNear() const { return viewNear_; }
    float ViewFar() const { return viewFar_; }
    float ViewAngle() const { return viewAngle_; }
    void SetViewNear(float value);  // accepted when greater than 0
    void SetViewFar(float value);   // any value
    void SetViewAngle(float value); // accepted from 0 to 180 degrees

    // Copies the values of another camera; the receiver keeps its own OnChange, so it
    // stays linked to its view.
    void CopyFrom(const TPersistent* source) override;

    // Viewport, perspective and turn on the projection matrix, translation by the negated
    // position on the modelview matrix, for a client area of width x height pixels.
    // Leaves the projection matrix selected. Needs a current OpenGL context.
    void ApplyCamera(int width, int height) const;

    // The projection of ApplyCamera (perspective and turn) with other clip planes than the
    // stored ones, for a paint whose scene needs them; the stored ViewNear and ViewFar stay
    // as they are. Leaves the modelview matrix selected, as a paint callback finds it.
    void ApplyProjection(int width, int height, float viewNear, float viewFar) const;

    // Width / height as a float; a height of 0 counts as 1 so the ratio stays finite.
    static float AspectRatio(int width, int height);

  protected:
    bool ReadProperty(std::string_view name, const TStoredValue& value) override;
    TPersistent* NestedObject(std::string_view name) override;

  private:
    void LoadProjection(int width, int height, float viewNear, float viewFar) const;

    TOGLPosition position_;
    TOGLRotation rotation_;
    float viewNear_ = 0.1f;
    float viewFar_ = 10.0f;
    float viewAngle_ = 45.0f;
};
