// A peer reader: QCAD's dxflib (Debian libdxflib-dev) calls back for every element, and the
// callbacks keep the elements that the viewer draws in vectors.
#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Elementos : DL_CreationAdapter {
    std::vector<DL_LayerData> camadas;
    std::vector<DL_BlockData> blocos;
    std::vector<DL_3dFaceData> faces;
    std::vector<DL_LineData> linhas;
    std::vector<DL_ArcData> arcos;
    std::vector<DL_CircleData> circulos;
    std::vector<DL_PolylineData> polylines;
    std::vector<DL_VertexData> vertices;
    std::vector<DL_InsertData> inserts;

    void addLayer(const DL_LayerData& d) override { camadas.push_back(d); }
    void addBlock(const DL_BlockData& d) override { blocos.push_back(d); }
    void add3dFace(const DL_3dFaceData& d) override { faces.push_back(d); }
    void addLine(const DL_LineData& d) override { linhas.push_back(d); }
    void addArc(const DL_ArcData& d) override { arcos.push_back(d); }
    void addCircle(const DL_CircleData& d) override { circulos.push_back(d); }
    void addPolyline(const DL_PolylineData& d) override { polylines.push_back(d); }
    void addVertex(const DL_VertexData& d) override { vertices.push_back(d); }
    void addInsert(const DL_InsertData& d) override { inserts.push_back(d); }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dxflib_reader FILE\n");
        return 2;
    }
    Elementos elementos;
    DL_Dxf dxf;
    if (!dxf.in(argv[1], &elementos)) {
        std::fprintf(stderr, "dxflib could not read %s\n", argv[1]);
        return 1;
    }
    std::printf("LAYER %zu\nBLOCK %zu\n3DFACE %zu\nLINE %zu\nARC %zu\nCIRCLE %zu\n"
                "POLYLINE %zu\nVERTEX %zu\nINSERT %zu\n",
                elementos.camadas.size(), elementos.blocos.size(), elementos.faces.size(),
                elementos.linhas.size(), elementos.arcos.size(), elementos.circulos.size(),
                elementos.polylines.size(), elementos.vertices.size(), elementos.inserts.size());
    return 0;
}
