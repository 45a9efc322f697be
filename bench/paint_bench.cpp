// paint_bench: loads a DXF drawing into the viewer's own main window and times full paints
// through its view and paint handler, beside the bare immediate-mode floor for the same
// triangles, the selection probe alone, and the render with nothing drawn.
// Run under a display (xvfb-run). Prints one line per measurement; times are medians.
//
//   paint_bench FILE [PAINTS]

#include "Aplicacao.h"
#include "ConfiguraCena.h"
#include "DesenhoPronto.h"
#include "Instantaneo.h"
#include "LeDXF.h"
#include "UDXF.h"
#include "UExibe.h"

#include <GL/gl.h>
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
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

// The paint handler's frame around the drawing: scene set-up and the bars' rotations, as
// View3DPaint has them (the camera already stands where the real paint put it).
void NaCena(TForm1& janela, const std::function<void()>& desenho) {
    ConfiguraCena();
    glPushMatrix();
    glRotatef(static_cast<float>(janela.RotX->value()), 1, 0, 0);
    glRotatef(static_cast<float>(janela.RotY->value()), 0, 1, 0);
    glRotatef(static_cast<float>(janela.RotZ->value()), 0, 0, 1);
    desenho();
    glPopMatrix();
}

// One kind of render: its paint handler (none: the window's own) and the seconds each took.
struct Medida {
    std::function<void(TForm1&)> pintura;
    std::vector<double> tempos;
};

// Whole renders of the view (clear, camera, the paint handler, read-back of the picture,
// which waits for the renderer to finish), every kind once per round, so that a change in
// the machine's load during the run falls on all kinds alike.
void MedeEmRodadas(TForm1& janela, int rodadas, std::vector<Medida*> medidas) {
    const TNotifyEvent original = janela.View3D->OnPaint;
    for (int rodada = -1; rodada < rodadas; ++rodada) { // round -1 warms up
        for (Medida* m : medidas) {
            janela.View3D->OnPaint = original;
            if (m->pintura)
                janela.View3D->OnPaint =
                    TNotifyEvent(&janela, [m, &janela](TObject*) { m->pintura(janela); });
            const auto inicio = Relogio::now();
            janela.View3D->grabFramebuffer();
            if (rodada >= 0) m->tempos.push_back(Segundos(Relogio::now() - inicio));
        }
    }
    janela.View3D->OnPaint = original;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: paint_bench FILE [PAINTS]\n");
        return 2;
    }
    const std::string arquivo = argv[1];
    const int vezes = argc == 3 ? std::max(1, std::atoi(argv[2])) : 7;

    QApplication app(argc, argv);
    TForm1 janela;
    Form1 = &janela;
    janela.show();
    for (int i = 0; i < 100 && !janela.View3D->HasContext(); ++i)
        app.processEvents();
    if (!janela.View3D->HasContext()) {
        std::fprintf(stderr, "no OpenGL context: %s\n", janela.View3D->ContextError().c_str());
        return 1;
    }

    const auto inicioCarga = Relogio::now();
    janela.LeArquivo(QString::fromStdString(arquivo));
    const double carga = Segundos(Relogio::now() - inicioCarga);
    ImagemDaVista(*janela.View3D, janela.Cam); // the camera now stands where the paint puts it

    const TDesenhoPronto pronto;
    Medida real{{}, {}};
    Medida chao{[&](TForm1& j) { NaCena(j, [&] { pronto.Desenha(); }); }, {}};
    Medida sonda{[](TForm1& j) { NaCena(j, [&] { j.Selecao(); }); }, {}};
    Medida nada{[](TForm1& j) { NaCena(j, [] {}); }, {}};
    MedeEmRodadas(janela, vezes, {&real, &chao, &sonda, &nada});
    const double pintura = Mediana(real.tempos), piso = Mediana(chao.tempos),
                 soSonda = Mediana(sonda.tempos), vazia = Mediana(nada.tempos);

    const double ms = 1000;
    std::printf("file %s\n", arquivo.c_str());
    std::printf("view %d x %d, %d rounds of paints\n", janela.View3D->ClientWidth(),
                janela.View3D->ClientHeight(), vezes);
    std::printf("load_s %.3f\n", carga);
    std::printf(
        "faces %d inserted_faces %lld bytes_per_face %zu\n", Faces3D.Count(),
        [] {
            long long n = 0;
            for (const TInsert& i : Inserts)
                if (const TBloco* b = ProcuraBloco(i.NomeBloco)) n += b->Elementos.Faces3D.Count();
            return n;
        }(),
        sizeof(TFace3D));
    std::printf("triangles %lld vertices %lld\n", pronto.Triangulos(), pronto.Vertices());
    std::printf("paint_ms %.1f\n", pintura * ms);
    std::printf("floor_ms %.1f\n", piso * ms);
    std::printf("probe_only_ms %.1f\n", soSonda * ms);
    std::printf("empty_render_ms %.1f\n", vazia * ms);
    // Each round's paint over the floor measured next to it, the median of those.
    std::vector<double> razoes;
    for (std::size_t i = 0; i < real.tempos.size(); ++i)
        razoes.push_back(real.tempos[i] / chao.tempos[i]);
    std::printf("paint_over_floor %.3f\n", Mediana(razoes));
    std::printf("probe_share %.3f\n", (soSonda - vazia) / pintura);
    return 0;
}
