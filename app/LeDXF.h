#pragma once

// The program's main window: the OpenGL view of the drawing with its camera, the scroll bars
// that set the field of view, the turn of the drawing and the camera's place, the tool bar
// with the open and exit buttons, and the menu.

#include "Cena.h"
#include "Enquadramento.h"
#include "OGLCam.h"
#include "OGLView.h"
#include "PosicaoDaCamera.h"
#include "ui_LeDXF.h"

#include <QMainWindow>
#include <QSet>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TCenaGL;
class QDockWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;
class QLabel;
class TRotuloEncurtado;

class TForm1 : public QMainWindow, public Ui::LeDXF {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TOGLCamera Cam;
    QAction* N1 = nullptr; // the separator of the file menu

    // "Arquivo > Exportar imagem..." (Exportacao.cpp): the view's picture as PNG.
    QAction* ExportarImagem1 = nullptr;
    struct TExportacao {
        QString Arquivo;
        QSize Tamanho;
    };
    // Asks where and at what size (the view's by default); nullopt when cancelled.
    // Replaceable, so that a test can answer in the user's place.
    std::function<std::optional<TExportacao>(QWidget* parent, const QString& nomePadrao,
                                             QSize tamanho)>
        ExportDialog;
    // The view's picture at `tamanho` (at most 4096 x 4096), drawn as the view draws it.
    QImage ImagemDoTamanho(QSize tamanho);
    // Saves it as PNG; a file that cannot be written is told to the user.
    void ExportaImagem(const QString& arquivo, QSize tamanho);

    // The menu "Exibir", after "Arquivo": what the view shows beyond its default picture.
    // Its options are off at every start and kept nowhere.
    QMenu* Exibir1 = nullptr;
    QAction* FacesDosDoisLados1 = nullptr; // faces drawn and lit from both sides
    QAction* Polilinhas1 = nullptr;        // plain polylines and polygon meshes as lines
    // Every element of the model space in its place and colour, framed; the two options
    // above have no effect (and are greyed) while it is on.
    QAction* DesenhoCompleto1 = nullptr;
    // In the full drawing, lines as wide as their line weights show on screen (as CAD
    // programs' weight display); thin lines otherwise, as at start.
    QAction* EspessurasDeLinha1 = nullptr;
    // The views (Vistas.cpp): the bars as after opening; a submenu of standard views that set
    // the rotation bars; in the full drawing, a parallel projection as wide at the drawing's
    // centre as the perspective one (off at start).
    QAction* Enquadrar1 = nullptr;
    QMenu* Vistas1 = nullptr;
    QAction* ProjecaoOrtografica1 = nullptr;
    void Enquadrar();

    // The dock "Camadas" (Camadas.cpp): every layer of the table, its colour, the elements
    // the full drawing drew of it and a check box that shows or hides it at once.
    QDockWidget* Camadas1 = nullptr;
    QTreeWidget* ListaDeCamadas = nullptr;
    QPushButton* MostrarTodas = nullptr;
    QPushButton* OcultarTodas = nullptr;

    // The status bar (Escolha.cpp), shown in the full drawing only: the element a click
    // names, and the cursor's world X and Y while the view is from the top.
    TRotuloEncurtado* Escolhido1 = nullptr;
    QLabel* Coordenadas1 = nullptr;

    // How the full drawing decomposes a drawing (its budget of vertices among them).
    // Replaceable, so that a test can reach the budget with a small drawing.
    TOpcoesDaCena OpcoesDaCena;
    // The message of the last scene that stopped short of the whole drawing (its budget
    // reached), shown to the user once; empty while the scene holds the whole drawing or has
    // not been made.
    const std::optional<std::string>& AvisoDaCena() const { return avisoDaCena_; }

    // Asks the user for a DXF file to open; nullopt when the user cancels. Replaceable, so
    // that a test can answer in the user's place.
    std::function<std::optional<QString>(QWidget* parent)> OpenDialog;

    // Loads the drawing and brings the camera and rotation bars back to their start.
    // Throws ErroDXF (an ErroDeArquivo, which also names the file) when the file cannot be
    // read; the bars and Carregado then stay as they were. A load that lasts longer than
    // EsperaDoProgresso shows how much of the file has been read; during a load the window takes no
    // input and paints nothing.
    void LeArquivo(const QString& nome);
    std::chrono::milliseconds EsperaDoProgresso{500};
    bool Carregando() const { return carregando_; }

    // Opens a file as the open command does: load, then redraw. Used by the command line
    // and by a file dropped on the window too. Does nothing while a load runs.
    void AbreArquivo(const QString& nome);
    // The same, from the event loop once the window shows (a file named at start).
    void AbreAoIniciar(const QString& nome);

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
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override; // refused while a load runs

    // Left and right arrows move a bar's thumb left and right (Qt's scroll bars turn them
    // around); up and down keep Qt's meaning, towards the minimum and the maximum.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void LigaEventos();
    void CriaMenuExibir();
    void CriaVistas();
    // The camera bars at 500 and the rotations at 0, as a load leaves them.
    void BarrasComoAoAbrir();
    void CriaExportacao();
    void CriaCamadas();
    // The list made again from the table (and the scene's counts when there is one); at each
    // load the layers the file turns off or freezes are the hidden ones.
    void ListaAsCamadas();
    void CamadasAoCarregar();
    void AplicaCamadasOcultas();
    void MudaCamada(QTreeWidgetItem& item);
    QSet<QString> camadasOcultas_; // names in upper case
    // The full drawing's framing for the bars as they are; none before its scene is made.
    std::optional<TEnquadramento> EnquadramentoAtual() const;
    void AplicaOrtografica(const TEnquadramento& e);
    // In the full drawing, moves the camera `entalhes` wheel notches of `porEntalhe` steps
    // closer keeping the point under the cursor (view pixels) in its place; false when it
    // does not apply (another mode, no scene).
    bool ZoomNoCursor(int entalhes, int porEntalhe, QPointF cursor);
    void ConfiguraCenaNoMundo(const std::array<double, 3>& origem);
    void AjustaPlanos(const TExtremos& e);
    void DesenhaModelo(const TExtremos& e);
    // The full drawing's paint, and its scene's life (PinturaCompleta.cpp).
    void PintaDesenhoCompleto();
    void MontaCena();
    void AjustaPlanosDaCena();
    void LiberaCenaGL();
    // The fixed line the probe tests, from inicio to fim, in eye coordinates.
    static void LinhaDaSonda(TPonto3D& inicio, TPonto3D& fim);
    void GuardaDisposicao();
    // Picking (Escolha.cpp).
    void CriaBarraDeEstado();
    void MostraBarraDeEstado(bool mostra);
    int alturaDaBarra_ = 0;
    // The matrices and viewport of the full drawing's last paint, which its frame buffer
    // still holds; none before one or in the default picture.
    struct TMatrizesDaVista {
        double Modelo[16], Projecao[16];
        int Janela[4];
    };
    std::optional<TMatrizesDaVista> matrizes_;
    void GuardaMatrizesDaCena();
    // A window point at a depth in world coordinates, by the last paint's matrices.
    std::optional<std::array<double, 3>> Desprojeta(double x, double y, double profundidade) const;
    struct TPontoDaVista {
        std::array<double, 3> Mundo;
        double Pixel; // the world size of a pixel there
    };
    // The world point drawn at the view's pixel nearest the cursor, `raio` pixels around it
    // at most; none where only background shows.
    std::optional<TPontoDaVista> PontoDesenhado(QPointF cursor, int raio);
    bool CamadaOculta(std::size_t camada) const; // by its index in the scene
    void Escolhe(QPointF cursor);
    void MostraCoordenadas(std::optional<QPointF> cursor); // none: the cursor left the view
    // The mouse in the view moves the bars; true when the event was one of them.
    bool MouseNaVista(QEvent* evento);

    bool carregando_ = false;
    QString arquivoAtual_; // the drawing loaded last, for the exported picture's name
    // Where each control of the window sits at the designed size; a larger window gives its
    // extra width and height to the view and moves the bars down by the extra height.
    std::vector<std::pair<QWidget*, QRect>> disposicao_;
    QSize acrescimo_{0, 0};
    // The drag in progress in the view: where it began and the bars' positions then.
    struct TArrasto {
        Qt::MouseButton botao;
        QPoint inicio;
        int x, y; // the two bars it moves, at the start
    };
    std::optional<TArrasto> arrasto_;
    int rodaAcumulada_ = 0; // wheel movement not yet turned into a step

    // Set when a paint of the current drawing failed: its error has been shown once, and the
    // view shows the background until the next load instead of failing on every paint.
    bool desenhoFalhou_ = false;

    // The full drawing's scene: made from the loaded drawing by the first paint in the mode
    // after each load (also a failed one, which keeps what was read), sent to the view's
    // context once, and kept without its vertices (but with their profile) for the framing,
    // the clip planes and the probe. A paint of it that failed has shown its error; the mode shows
    // the background until the next load.
    bool cenaVelha_ = true;
    bool cenaFalhou_ = false;
    std::unique_ptr<TCena> cena_;
    TPerfilDaCena perfil_;            // of cena_'s vertices, for the framing
    std::unique_ptr<TCenaGL> cenaGL_; // deleted with the view's context current
    QMetaObject::Connection contextoDaCena_;
    std::optional<std::string> avisoDaCena_;
};

// The one main window of the program, created at start-up.
extern TForm1* Form1;

// Whether a drawing has been loaded; the paint draws only while it is true.
extern bool Carregado;

// Whether the name is that of a DXF file, by its extension in either case.
bool NomeDeDXF(const QString& nome);

// The file dialog the open command shows by default: DXF files, whichever the case of the
// extension. nullopt when cancelled.
std::optional<QString> EscolheArquivoDXF(QWidget* parent);
