#pragma once

// The picture a view shows, for tools and tests that need it as an image.

#include <QImage>

#include <functional>

class TOGLCamera;
class TOGLView;

// Renders the view until its camera stands where the paint put it (the paint places the
// camera, the render after it shows the new place) and returns the last picture. The view
// must have been shown; one without an OpenGL context gives a null image.
QImage ImagemDaVista(TOGLView& vista, const TOGLCamera& camera);

// The same drawn by `desenha` (a render that returns its picture) in a context made
// without Qt.
QImage ImagemDaVista(const std::function<QImage()>& desenha, const TOGLCamera& camera);
