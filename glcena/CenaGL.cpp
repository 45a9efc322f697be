#include "CenaGL.h"

// Placeholder bodies: replaced by the real output.
struct TCenaGL::Dados {};
TCenaGL::TCenaGL(const TCena&) : dados_(std::make_unique<Dados>()) {}
TCenaGL::~TCenaGL() = default;
void TCenaGL::Desenha() const {}
int TCenaGL::ChamadasDeDesenho() const { return 0; }
bool TCenaGL::EmBuffers() const { return false; }
