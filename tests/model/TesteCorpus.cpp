// Real drawings from many CAD programs: every one loads and agrees with an independent
// reading (reference.json) of the kinds the reader keeps. Nested INSERTs are not kept; the
// blocks ezdxf adds are not compared, but the extents must then lie within ezdxf's estimate.
#include "Ajuda.h"
#include "JsonMinimo.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {

namespace fs = std::filesystem;

const Json& Referencia() {
    static const Json ref = LeArquivoJson(std::string(VISTREL_CORPUS_DIR) + "/reference.json");
    return ref["files"];
}

// The counts of the five kinds the reader keeps: 3D faces, lines, arcs, circles, polylines.
void ComparaContagens(const Json& tipos, std::array<int, 5> nossas, const std::string& onde) {
    int i = 0;
    for (const char* tipo : {"3DFACE", "LINE", "ARC", "CIRCLE", "POLYLINE"})
        EXPECT_EQ(tipos[tipo].Inteiro(), nossas[i++]) << onde << " " << tipo;
}

// ezdxf's blocks that the file has no BLOCK record for, apart from the layout blocks.
bool EzdxfAcrescentouBlocos(const Json& arquivo) {
    for (const Json& nome : arquivo["crosscheck"]["blocks_only_in_ezdxf"].itens) {
        std::string n = nome.texto;
        std::transform(n.begin(), n.end(), n.begin(), ::toupper);
        if (n != "*MODEL_SPACE" && n != "*PAPER_SPACE") return true;
    }
    return false;
}

void ComparaExtremos(const Json& arquivo) {
    const Json& estimativa = arquivo["ezdxf"]["bbox"]["reader_extents_estimate"];
    if (estimativa["points"].Inteiro() == 0) return;
    const auto e = ExtremosLidos();
    bool soDentro = EzdxfAcrescentouBlocos(arquivo);
    for (int i = 0; i < 6; ++i) {
        double ref = estimativa[i < 3 ? "min" : "max"][static_cast<std::size_t>(i % 3)].numero;
        double nosso = static_cast<double>(e[i]);
        double tolerancia = 1e-9 * std::max(1.0, std::abs(ref)); // the reference keeps 10 digits
        if (soDentro)
            EXPECT_TRUE(i < 3 ? nosso >= ref - tolerancia : nosso <= ref + tolerancia) << i;
        else
            EXPECT_NEAR(nosso, ref, tolerancia) << i;
    }
}

void ComparaArquivo(const Json& arquivo) {
    const Json& scan = arquivo["scan"];
    ComparaContagens(
        scan["entities_section_our_kinds"],
        {Faces3D.Count(), Linhas.Count(), Arcos.Count(), Circulos.Count(), PolyLines.Count()},
        "ENTITIES");
    EXPECT_EQ(scan["entities_section_our_kinds"]["INSERT"].Inteiro(), Inserts.Count());

    ASSERT_EQ(scan["block_records"].Inteiro(), Blocos.Count());
    for (int i = 0; i < Blocos.Count(); ++i) {
        const TBloco& b = Blocos[i];
        const Json& ref = scan["blocks"][static_cast<std::size_t>(i)];
        EXPECT_EQ(ref["name"].texto, b.Nome);
        ComparaContagens(ref["our_kinds"],
                         {b.FacesBloco.Count(), b.LinhasBloco.Count(), b.ArcosBloco.Count(),
                          b.CirculosBloco.Count(), b.PolyLinesBloco.Count()},
                         "block " + b.Nome);
    }

    ASSERT_EQ(scan["layer_table_entries"].Inteiro(), Camadas.Count());
    for (int i = 0; i < Camadas.Count(); ++i)
        EXPECT_EQ(scan["layer_names"][static_cast<std::size_t>(i)].texto, Camadas[i].Nome);

    int vertices = 0, faces = 0, malhas = 0;
    for (const TPolyLine& p : PolyLines) {
        vertices += p.Vertices.Count();
        faces += p.Faces.Count();
        malhas += (p.Flags & 64) != 0;
    }
    const Json& poli = scan["polylines"]["ENTITIES"];
    EXPECT_EQ(poli["vertex_records"].Inteiro(), vertices);
    EXPECT_EQ(poli["face_records"].Inteiro(), faces);
    EXPECT_EQ(poli["polyface_meshes"].Inteiro(), malhas);

    std::map<std::string, int> cantos;
    auto conta = [&](const TList<TFace3D>& lista) {
        for (const TFace3D& f : lista)
            ++cantos[std::to_string(f.Pontos.Count())];
    };
    conta(Faces3D);
    for (const TBloco& b : Blocos)
        conta(b.FacesBloco);
    std::map<std::string, int> esperado;
    for (const auto& [n, quantas] : scan["3dface_corner_groups"].membros)
        esperado[n] = quantas.Inteiro();
    EXPECT_EQ(cantos, esperado);

    ComparaExtremos(arquivo);
}

TEST(Corpus, EveryFileLoadsAndAgreesWithTheReference) {
    int arquivos = 0;
    for (const auto& entrada : fs::directory_iterator(VISTREL_CORPUS_DIR)) {
        if (entrada.path().extension() != ".dxf") continue;
        std::string nome = entrada.path().filename().string();
        SCOPED_TRACE(nome);
        ++arquivos;
        ASSERT_EQ(CarregaArquivo(entrada.path().string()), std::nullopt);
        ASSERT_FALSE(Referencia()[nome].Nulo());
        ComparaArquivo(Referencia()[nome]);
    }
    EXPECT_EQ(arquivos, 37);
}

} // namespace
