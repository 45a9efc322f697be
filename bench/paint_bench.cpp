// paint_bench: loads a DXF drawing into the viewer's own main window and times whole paints
// through its view and paint handler, the default picture beside the "Desenho completo" one
// (its scene drawn from buffer objects); then, in the full mode's own frame, the scene's
// buffers drawn alone (the window's paint less its clip planes and probe), the same
// primitives sent with immediate-mode calls, and the render with nothing drawn; and the
// time the scene takes to build (decomposition, upload) beside the load. Run under a display
// (xvfb-run). Prints one "key value" line per measurement; times are medians.
//
//   paint_bench FILE [PAINTS]
//   paint_bench --memoria janela|etapas FILE
//
// With VISTREL_BENCH_PICTURES set to a folder, the last default, full and immediate pictures
// are saved there as PNG files.
//
// --memoria prints the process's peak and resident memory (VmHWM, VmRSS) with the window
// empty, after the load and after a default paint; then (janela) after the full mode's
// first paint, in which the window builds its scene and frees the vertices once they are in
// the buffers; or (etapas) as the program builds the same scene itself: decomposed,
// uploaded, its vertices freed, its buffers deleted.

#include "CenaGL.h"
#include "ConfiguraCena.h"
#include "Enquadramento.h"
#include "Instantaneo.h"
#include "LeDXF.h"
#include "RotuloEncurtado.h"
#include "UDXF.h"

#include <GL/gl.h>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Relogio = std::chrono::steady_clock;

double Segundos(Relogio::duration d) {
    return std::chrono::duration<double>(d).count();
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// A line of /proc/self/status in kilobytes ("VmHWM", "VmRSS"), 0 where there is none.
long long MemoriaKB(const std::string& campo) {
    std::ifstream status("/proc/self/status");
    std::string linha;
    while (std::getline(status, linha))
        if (linha.compare(0, campo.size() + 1, campo + ":") == 0)
            return std::atoll(linha.c_str() + campo.size() + 1);
    return 0;
}

void ImprimeMemoria(const char* etapa) {
    std::printf("%s_peak_kb %lld\n%s_rss_kb %lld\n", etapa, MemoriaKB("VmHWM"), etapa,
                MemoriaKB("VmRSS"));
}

// The full mode's frame around its scene, as the window's full paint sets it: the framed
// eye, the lights placed in the world, the bars' turn about the drawing's centre. The
// projection is the one the window's last full paint left. False when nothing is framed.
bool NoEnquadramento(TForm1& janela, const TCena& cena, const std::function<void()>& desenho) {
    static const TPerfilDaCena perfil = PerfilDaCena(cena); // as the window frames it
    const std::optional<TEnquadramento> e = Enquadra(
        cena.Extremos, cena.Origem, janela.CamX->value(), janela.CamY->value(),
        janela.CamZ->value(),
        TOGLCamera::AspectRatio(janela.View3D->ClientWidth(), janela.View3D->ClientHeight()),
        perfil);
    if (!e) return false;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(-e->Olho[0], -e->Olho[1], -e->Olho[2]);
    glPushMatrix();
    glTranslated(-cena.Origem[0], -cena.Origem[1], -cena.Origem[2]);
    ConfiguraCena();
    glPopMatrix();
    glPushMatrix();
    glMultMatrixd(
        GiroEnquadrado(*e, janela.RotX->value(), janela.RotY->value(), janela.RotZ->value())
            .data());
    desenho();
    glPopMatrix();
    return true;
}

// The scene's triangles, segments and points with bare immediate-mode calls (one
// glBegin/glEnd per kind), under the light state the buffers are drawn with.
void DesenhaImediato(const TCena& cena) {
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_POINT_BIT | GL_CURRENT_BIT);
    glEnable(GL_LIGHTING);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_CULL_FACE);
    glEnable(GL_NORMALIZE);
    glBegin(GL_TRIANGLES);
    for (const TVerticeCena& v : cena.Triangulos) {
        glColor3ubv(&v.R);
        glNormal3fv(&v.NX);
        glVertex3fv(&v.X);
    }
    glEnd();
    glDisable(GL_LIGHTING);
    glPointSize(3.0f);
    for (const auto& [modo, lista] :
         {std::pair{GL_LINES, &cena.Segmentos}, std::pair{GL_POINTS, &cena.Pontos}}) {
        glBegin(modo);
        for (const TVerticeCena& v : *lista) {
            glColor3ubv(&v.R);
            glVertex3fv(&v.X);
        }
        glEnd();
    }
    glPopAttrib();
}

// One kind of render: whether the full mode is on, its paint handler (none: the window's
// own), the seconds each took and its last picture.
struct Medida {
    bool completo;
    std::function<void(TForm1&)> pintura;
    std::vector<double> tempos;
    QImage imagem;
};

// Whole renders of the view (clear, camera, the paint handler, read-back of the picture,
// which waits for the renderer to finish), every kind once per round, so that a change in
// the machine's load during the run falls on all kinds alike.
void MedeEmRodadas(TForm1& janela, int rodadas, const std::vector<Medida*>& medidas) {
    const TNotifyEvent original = janela.View3D->OnPaint;
    for (int rodada = -1; rodada < rodadas; ++rodada) { // round -1 warms up
        for (Medida* m : medidas) {
            janela.DesenhoCompleto1->setChecked(m->completo);
            janela.View3D->OnPaint = original;
            if (m->pintura)
                janela.View3D->OnPaint =
                    TNotifyEvent(&janela, [m, &janela](TObject*) { m->pintura(janela); });
            const auto inicio = Relogio::now();
            m->imagem = janela.View3D->grabFramebuffer();
            if (rodada >= 0) m->tempos.push_back(Segundos(Relogio::now() - inicio));
        }
    }
    janela.View3D->OnPaint = original;
}

// The median over the rounds of one kind's time over another's in the same round.
double RazaoMediana(const Medida& a, const Medida& b) {
    std::vector<double> razoes;
    for (std::size_t i = 0; i < a.tempos.size() && i < b.tempos.size(); ++i)
        razoes.push_back(a.tempos[i] / b.tempos[i]);
    return Mediana(razoes);
}

// The share of pixels that differ between two pictures of the same size (1 when the sizes
// differ): whether two renders drew the same thing.
double PixelsDiferentes(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return 1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32),
                 y = b.convertToFormat(QImage::Format_RGB32);
    long long diferentes = 0;
    for (int l = 0; l < x.height(); ++l) {
        const auto* px = reinterpret_cast<const QRgb*>(x.constScanLine(l));
        const auto* py = reinterpret_cast<const QRgb*>(y.constScanLine(l));
        for (int c = 0; c < x.width(); ++c)
            diferentes += px[c] != py[c];
    }
    return static_cast<double>(diferentes) / (static_cast<double>(x.width()) * x.height());
}

// The window, shown, with its view's context; null (and a message) without one.
std::unique_ptr<TForm1> AbreJanela(QApplication& app) {
    auto janela = std::make_unique<TForm1>();
    Form1 = janela.get();
    janela->show();
    for (int i = 0; i < 100 && !janela->View3D->HasContext(); ++i)
        app.processEvents();
    if (!janela->View3D->HasContext()) {
        std::fprintf(stderr, "no OpenGL context: %s\n", janela->View3D->ContextError().c_str());
        return nullptr;
    }
    return janela;
}

int Memoria(QApplication& app, const std::string& variante, const std::string& arquivo) {
    const std::unique_ptr<TForm1> janela = AbreJanela(app);
    if (!janela) return 1;
    ImagemDaVista(*janela->View3D, janela->Cam);
    ImprimeMemoria("empty_window");
    janela->LeArquivo(QString::fromStdString(arquivo));
    ImprimeMemoria("loaded");
    ImagemDaVista(*janela->View3D, janela->Cam);
    ImprimeMemoria("default_paint");
    if (variante == "janela") {
        janela->DesenhoCompleto1->setChecked(true);
        janela->View3D->grabFramebuffer();
        ImprimeMemoria("full_paint");
        return 0;
    }
    // The window's scene built here, step by step.
    janela->View3D->makeCurrent();
    TCena cena = DecompoeDesenho(Desenho, janela->OpcoesDaCena);
    ImprimeMemoria("decomposed");
    double usados = 0, reservados = 0;
    for (const auto* lista : {&cena.Triangulos, &cena.Segmentos, &cena.Pontos}) {
        usados += static_cast<double>(lista->size() * sizeof(TVerticeCena));
        for (const auto& pedaco : lista->Pedacos())
            reservados += static_cast<double>(pedaco.capacity() * sizeof(TVerticeCena));
    }
    std::printf("vertex_mb %.1f\nvertex_capacity_mb %.1f\n", usados / 1e6, reservados / 1e6);
    std::printf("probe_faces_mb %.1f\n", static_cast<double>(cena.FacesDeInsercoes.capacity() *
                                                             sizeof(cena.FacesDeInsercoes[0])) /
                                             1e6);
    // As the window does: each piece of vertices freed once copied.
    auto cenaGL = std::make_unique<TCenaGL>(cena, TCenaGL::TLiberaVertices{});
    glFinish();
    ImprimeMemoria("uploaded");
    ImprimeMemoria("vertices_freed");
    cenaGL.reset();
    ImprimeMemoria("buffers_deleted");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool memoria =
        argc == 4 && std::strcmp(argv[1], "--memoria") == 0 &&
        (std::strcmp(argv[2], "janela") == 0 || std::strcmp(argv[2], "etapas") == 0);
    if (!memoria && (argc < 2 || argc > 3 || argv[1][0] == '-')) {
        std::fprintf(stderr, "usage: paint_bench FILE [PAINTS]\n"
                             "       paint_bench --memoria janela|etapas FILE\n");
        return 2;
    }
    QApplication app(argc, argv);
    if (memoria) return Memoria(app, argv[2], argv[3]);

    const std::string arquivo = argv[1];
    const int vezes = argc == 3 ? std::max(1, std::atoi(argv[2])) : 7;
    const std::unique_ptr<TForm1> janelaDona = AbreJanela(app);
    if (!janelaDona) return 1;
    TForm1& janela = *janelaDona;

    const auto inicioCarga = Relogio::now();
    janela.LeArquivo(QString::fromStdString(arquivo));
    const double carga = Segundos(Relogio::now() - inicioCarga);
    ImagemDaVista(*janela.View3D, janela.Cam); // the camera now stands where the paint puts it

    // The window's first full paint builds its scene: what the user waits for on turning
    // the mode on.
    janela.DesenhoCompleto1->setChecked(true);
    auto inicio = Relogio::now();
    janela.View3D->grabFramebuffer();
    const double primeira = Segundos(Relogio::now() - inicio);

    // The same scene built again here, its two stages timed apart.
    inicio = Relogio::now();
    const TCena cena = DecompoeDesenho(Desenho, janela.OpcoesDaCena);
    const double decomposicao = Segundos(Relogio::now() - inicio);
    janela.View3D->makeCurrent();
    inicio = Relogio::now();
    const auto cenaGL = std::make_unique<TCenaGL>(cena);
    glFinish();
    const double envio = Segundos(Relogio::now() - inicio);

    Medida padrao{false, {}, {}, {}};
    Medida completa{true, {}, {}, {}};
    Medida buffers{
        true, [&](TForm1& j) { NoEnquadramento(j, cena, [&] { cenaGL->Desenha(); }); }, {}, {}};
    Medida imediata{
        true, [&](TForm1& j) { NoEnquadramento(j, cena, [&] { DesenhaImediato(cena); }); }, {}, {}};
    Medida nada{true, [&](TForm1& j) { NoEnquadramento(j, cena, [] {}); }, {}, {}};
    MedeEmRodadas(janela, vezes, {&padrao, &completa, &buffers, &imediata, &nada});
    janela.View3D->makeCurrent();
    if (const char* pasta = std::getenv("VISTREL_BENCH_PICTURES"))
        for (const auto& [nome, m] :
             {std::pair{"default", &padrao}, std::pair{"full", &completa},
              std::pair{"buffers", &buffers}, std::pair{"immediate", &imediata}})
            m->imagem.save(QString::fromStdString(std::string(pasta) + "/" + nome + ".png"));

    // Hiding the layer that drew most, through the dock's check box, then the paint after it;
    // and showing it again.
    double ocultar = 0, mostrar = 0;
    janela.DesenhoCompleto1->setChecked(true);
    janela.View3D->grabFramebuffer();
    if (QTreeWidget& lista = *janela.ListaDeCamadas; lista.topLevelItemCount() > 0) {
        QTreeWidgetItem* maior = lista.topLevelItem(0);
        for (int i = 1; i < lista.topLevelItemCount(); ++i)
            if (lista.topLevelItem(i)->text(1).toLongLong() > maior->text(1).toLongLong())
                maior = lista.topLevelItem(i);
        for (auto [estado, tempo] : {std::pair{Qt::Unchecked, &ocultar}, {Qt::Checked, &mostrar}}) {
            const auto t0 = Relogio::now();
            maior->setCheckState(0, estado);
            janela.View3D->grabFramebuffer();
            *tempo = Segundos(Relogio::now() - t0);
        }
    }

    // Clicks on a 5 x 5 grid over the view, each through the window's mouse handling: the
    // depth read, the elements under it made again and the status bar's text.
    std::vector<double> escolhas;
    int nomeados = 0;
    for (int i = 1; i <= 5; ++i)
        for (int k = 1; k <= 5; ++k) {
            const QPointF p(janela.View3D->width() * i / 6.0, janela.View3D->height() * k / 6.0);
            const auto t0 = Relogio::now();
            for (QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent evento(tipo, p, janela.View3D->mapToGlobal(p), Qt::LeftButton,
                                   tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                   {});
                QApplication::sendEvent(janela.View3D, &evento);
            }
            escolhas.push_back(Segundos(Relogio::now() - t0));
            nomeados += !janela.Escolhido1->Texto().isEmpty();
        }

    const double ms = 1000;
    std::printf("file %s\n", arquivo.c_str());
    std::printf("view %d x %d, %d rounds of paints\n", janela.View3D->ClientWidth(),
                janela.View3D->ClientHeight(), vezes);
    std::printf("load_s %.3f\n", carga);
    std::printf("faces %d\nbytes_per_face %zu\n", Faces3D.Count(), sizeof(TFace3D));
    std::printf("scene_triangles %zu\nscene_segments %zu\nscene_points %zu\n",
                cena.Triangulos.size() / 3, cena.Segmentos.size() / 2, cena.Pontos.size());
    std::printf(
        "scene_vertex_mb %.1f\n",
        static_cast<double>(cena.Triangulos.size() + cena.Segmentos.size() + cena.Pontos.size()) *
            sizeof(TVerticeCena) / 1e6);
    std::printf("scene_whole %d\n", cena.Aviso ? 0 : 1);
    std::printf("in_buffers %d\n", cenaGL->EmBuffers() ? 1 : 0);
    std::printf("draw_calls %d\n", cenaGL->ChamadasDeDesenho());
    std::printf("decompose_s %.3f\nupload_s %.3f\n", decomposicao, envio);
    std::printf("build_over_load %.3f\n", (decomposicao + envio) / carga);
    std::printf("first_full_paint_ms %.1f\n", primeira * ms);
    std::printf("default_paint_ms %.1f\n", Mediana(padrao.tempos) * ms);
    std::printf("full_paint_ms %.1f\n", Mediana(completa.tempos) * ms);
    std::printf("full_over_default %.3f\n", RazaoMediana(completa, padrao));
    std::printf("buffers_only_ms %.1f\n", Mediana(buffers.tempos) * ms);
    std::printf("immediate_ms %.1f\n", Mediana(imediata.tempos) * ms);
    std::printf("buffers_over_immediate %.3f\n", RazaoMediana(buffers, imediata));
    std::printf("empty_render_ms %.1f\n", Mediana(nada.tempos) * ms);
    std::printf("layer_hide_and_paint_ms %.1f\nlayer_show_and_paint_ms %.1f\n", ocultar * ms,
                mostrar * ms);
    std::printf("pick_ms_median %.1f\npick_ms_max %.1f\npicks_named %d of 25\n",
                Mediana(escolhas) * ms, *std::max_element(escolhas.begin(), escolhas.end()) * ms,
                nomeados);
    std::printf("element_boxes_mb %.1f\n", static_cast<double>(cena.CaixasDosElementos.size() *
                                                               sizeof(TCena::TCaixaDoElemento)) /
                                               1e6);
    // The frame set here must be the window's: its buffers drawn alone give the window's
    // picture, and so do the same primitives sent one by one.
    std::printf("frame_mismatch %.4f\n", PixelsDiferentes(buffers.imagem, completa.imagem));
    std::printf("immediate_mismatch %.4f\n", PixelsDiferentes(imediata.imagem, buffers.imagem));
    return 0;
}
