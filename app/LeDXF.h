#pragma once

// The program's main window: the OpenGL view of the drawing with its camera, the scroll bars
// that set the field of view, the turn of the drawing and the camera's place, the tool bar
// with the open and exit buttons, and the menu.

#include "OGLCam.h"
#include "OGLView.h"
#include "PosicaoDaCamera.h"
#include "ui_LeDXF.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class TForm1 : public QMainWindow, public Ui::LeDXF {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TOGLCamera Cam;
    QAction* N1 = nullptr; // the separator of the file menu

    // Asks the user for a DXF file to open; nullopt when the user cancels. Replaceable, so
    // that a test can answer in the user's place.
    std::function<std::optional<QString>(QWidget* parent)> OpenDialog;

    // Loads the drawing and brings the camera and rotation bars back to their start.
    // Throws ErroDXF when the file cannot be read; the bars and Carregado then stay as
    // they were.
    void LeArquivo(const QString& nome);

    // The view's paint callback: the drawing, placed by the bars, and the probe's markers.
    void View3DPaint(TObject* Sender);
    void FormCreate();
    void AngVisChange();
    void CamXChange();
    void CamYChange();
    void CamZChange();
    void Abrir1Click();
    void Sair1Click();
    void BotAbrirClick();
    void BotSairClick();
    void RotYChange();
    void RotXChange();
    void RotZChange();
    // Marks with white spheres where the fixed probe line crosses the inserted blocks' faces.
    void Selecao();

  protected:
    // Left and right arrows move a bar's thumb left and right (Qt's scroll bars turn them
    // around); up and down keep Qt's meaning, towards the minimum and the maximum.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void LigaEventos();
    void ConfiguraCenaNoMundo(const std::array<double, 3>& origem);
    void AjustaPlanos(const TExtremos& e);
    void DesenhaModelo(const TExtremos& e);

    // Set when a paint of the current drawing failed: its error has been shown once, and the
    // view shows the background until the next load instead of failing on every paint.
    bool desenhoFalhou_ = false;
};

// The one main window of the program, created at start-up.
extern TForm1* Form1;

// Whether a drawing has been loaded; the paint draws only while it is true.
extern bool Carregado;

// The OpenGL state, lights and material the drawing is shown with.
void ConfiguraCena();

// The file dialog the open command shows by default: DXF files, whichever the case of the
// extension. nullopt when cancelled.
std::optional<QString> EscolheArquivoDXF(QWidget* parent);
