#pragma once

// The OpenGL state, lights and material the drawing is shown with.
void ConfiguraCena();
