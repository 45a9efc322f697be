#pragma once

// The picture the main window's view shows, for tools and tests that need it as an image.

#include <QImage>

class TForm1;

// Renders the view until the camera stands where the paint put it (the paint places the
// camera, the render after it shows the new place) and returns the last picture. The window
// must have been shown; a view without an OpenGL context gives a null image.
QImage ImagemDaVista(TForm1& janela);
