#pragma once

// The picture a view shows, for tools and tests that need it as an image.

#include <QImage>

class TOGLCamera;
class TOGLView;

// Renders the view until its camera stands where the paint put it (the paint places the
// camera, the render after it shows the new place) and returns the last picture. The view
// must have been shown; one without an OpenGL context gives a null image.
QImage ImagemDaVista(TOGLView& vista, const TOGLCamera& camera);
