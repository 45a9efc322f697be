// Real drawings from many CAD programs load and agree with an independent reading
// (reference.json); where ezdxf adds blocks, the extents lie within its estimate.
#include "Ajuda.h"
#include "DumpJSON.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace {

namespace fs = std::filesystem;

// Each kind the reader keeps: its name in the reference, its list in the model and in a block.
const std::array<std::array<const char*, 3>, 5> Tipos = {
    {{"3DFACE", "Faces3D", "FacesBloco"},
     {"LINE", "Linhas", "LinhasBloco"},
     {"ARC", "Arcos", "ArcosBloco"},
     {"CIRCLE", "Circulos", "CirculosBloco"},
     {"POLYLINE", "PolyLines", "PolyLinesBloco"}}};

// ezdxf's blocks that the file has no BLOCK record for, apart from the layout blocks.
bool EzdxfAcrescentouBlocos(const Json& arquivo) {
    for (std::string n : arquivo["crosscheck"]["blocks_only_in_ezdxf"]) {
        std::transform(n.begin(), n.end(), n.begin(), ::toupper);
        if (n != "*MODEL_SPACE" && n != "*PAPER_SPACE") return true;
    }
    return false;
}

void ComparaExtremos(const Json& arquivo, const Json& lidos) {
    const Json& estimativa = arquivo["ezdxf"]["bbox"]["reader_extents_estimate"];
    if (estimativa["points"] == 0) return;
    const bool soDentro = EzdxfAcrescentouBlocos(arquivo);
    for (std::size_t i = 0; i < 6; ++i) {
        const double ref = estimativa[i < 3 ? "min" : "max"][i % 3], nosso = lidos[i];
        const double tolerancia = 1e-9 * std::max(1.0, std::abs(ref)); // 10 digits kept
        if (soDentro)
            EXPECT_TRUE(i < 3 ? nosso >= ref - tolerancia : nosso <= ref + tolerancia) << i;
        else
            EXPECT_NEAR(nosso, ref, tolerancia) << i;
    }
}

void ComparaArquivo(const Json& arquivo) {
    const Json& scan = arquivo["scan"];
    const Json contagens = Json::parse(ModeloEmJSON(std::nullopt, true));
    for (const auto& [tipo, lista, listaDoBloco] : Tipos)
        EXPECT_EQ(contagens[lista], scan["entities_section_our_kinds"][tipo]) << tipo;
    EXPECT_EQ(contagens["Inserts"], scan["entities_section_our_kinds"]["INSERT"]);

    ASSERT_EQ(contagens["Blocos"].size(), scan["block_records"]);
    for (std::size_t i = 0; i < contagens["Blocos"].size(); ++i) {
        const Json &nosso = contagens["Blocos"][i], &ref = scan["blocks"][i];
        EXPECT_EQ(nosso["Nome"], ref["name"]);
        for (const auto& [tipo, lista, listaDoBloco] : Tipos)
            EXPECT_EQ(nosso[listaDoBloco], ref["our_kinds"][tipo]) << ref["name"] << " " << tipo;
    }

    ASSERT_EQ(Camadas.Count(), scan["layer_table_entries"]);
    for (int i = 0; i < Camadas.Count(); ++i)
        EXPECT_EQ(scan["layer_names"][static_cast<std::size_t>(i)], Camadas[i].Nome);

    int vertices = 0, faces = 0, malhas = 0;
    for (const TPolyLine& p : PolyLines) {
        vertices += p.Vertices.Count();
        faces += p.Faces.Count();
        malhas += (p.Flags & 64) != 0;
    }
    const Json& poli = scan["polylines"]["ENTITIES"];
    EXPECT_EQ((std::array{vertices, faces, malhas}),
              (std::array{poli.value("vertex_records", 0), poli.value("face_records", 0),
                          poli.value("polyface_meshes", 0)})); // absent when there are none

    std::map<std::string, int> cantos;
    const auto conta = [&](const TList<TFace3D>& lista) {
        for (const TFace3D& f : lista)
            ++cantos[std::to_string(f.Pontos.Count())];
    };
    conta(Faces3D);
    for (const TBloco& b : Blocos)
        conta(b.Elementos.Faces3D);
    EXPECT_EQ(cantos, (scan["3dface_corner_groups"].get<std::map<std::string, int>>()));

    ComparaExtremos(arquivo, contagens["Extremos"]);
}

TEST(Corpus, CadaArquivoCarregaEConcordaComAReferencia) {
    // A bare clone has no corpus beside it; the CI (.ci/run) asks for it.
    if (!fs::is_directory(VISTREL_CORPUS_DIR)) {
        const std::string porque =
            "no corpus at " VISTREL_CORPUS_DIR " (configure with -DVISTREL_SHARED_DIR=FOLDER)";
        const char* exigido = std::getenv("VISTREL_EXIGE_CORPUS");
        if (exigido != nullptr && exigido == std::string_view("1")) FAIL() << porque;
        GTEST_SKIP() << porque;
    }
    const Json referencia =
        Json::parse(std::ifstream(std::string(VISTREL_CORPUS_DIR) + "/reference.json"))["files"];
    int arquivos = 0;
    for (const auto& entrada : fs::directory_iterator(VISTREL_CORPUS_DIR)) {
        const std::string nome = entrada.path().filename().string();
        if (!nome.ends_with(".dxf")) continue;
        SCOPED_TRACE(nome);
        ++arquivos;
        ASSERT_EQ(CarregaArquivo(entrada.path().string()), std::nullopt);
        ComparaArquivo(referencia.at(nome));
    }
    EXPECT_EQ(arquivos, 37);
}

} // namespace
