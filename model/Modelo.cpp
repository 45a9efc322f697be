#include "Modelo.h"

TDesenho Desenho;

TList<TFace3D>& Faces3D = Desenho.Modelo.Faces3D;
TList<TLinha>& Linhas = Desenho.Modelo.Linhas;
TList<TArco>& Arcos = Desenho.Modelo.Arcos;
TList<TCirculo>& Circulos = Desenho.Modelo.Circulos;
TList<TPolyLine>& PolyLines = Desenho.Modelo.PolyLines;
TList<TBloco>& Blocos = Desenho.Blocos;
TList<TInsert>& Inserts = Desenho.Modelo.Inserts;
TList<TCamada>& Camadas = Desenho.Camadas;
TConfiguracao& Configuracao = Desenho.Configuracao;

Real XMin, XMax, YMin, YMax, ZMin, ZMax;

void TDesenho::IndexaBlocos() const {
    if (blocosIndexados_ > Blocos.Count()) { // a new drawing with fewer blocks
        indiceDosBlocos_.clear();
        indiceDoGrupo2_.clear();
        blocosIndexados_ = 0;
    }
    for (; blocosIndexados_ < Blocos.Count(); ++blocosIndexados_) {
        const TBloco& bloco = Blocos[blocosIndexados_];
        indiceDosBlocos_.emplace(bloco.Nome, blocosIndexados_);
        if (!bloco.NomeDoGrupo2.empty())
            indiceDoGrupo2_.emplace(bloco.NomeDoGrupo2, blocosIndexados_);
    }
}

const TBloco* TDesenho::Bloco(const std::string& nome) const {
    IndexaBlocos();
    const auto achado = indiceDosBlocos_.find(nome);
    return achado == indiceDosBlocos_.end() ? nullptr : &Blocos[achado->second];
}

const TBloco* TDesenho::BlocoChamado(const std::string& nome) const {
    IndexaBlocos();
    const auto achado = indiceDoGrupo2_.find(nome);
    return achado == indiceDoGrupo2_.end() ? Bloco(nome) : &Blocos[achado->second];
}

void Extremos(Real& xMin, Real& yMin, Real& zMin, Real& xMax, Real& yMax, Real& zMax) {
    xMin = XMin;
    yMin = YMin;
    zMin = ZMin;
    xMax = XMax;
    yMax = YMax;
    zMax = ZMax;
}

namespace {

// The position within a colour ramp, rounded to a Real before the components use it.
Real Rampa(std::int32_t indice, std::int32_t primeiro, long double passo) {
    return Real(static_cast<long double>(indice - primeiro) * passo);
}

TCor Cor(long double r, long double g, long double b) {
    return TCor{Real(r), Real(g), Real(b)};
}

} // namespace

TCor CorDoIndice(std::int32_t n) {
    switch (n) {
    case 1:
        return Cor(1, 0, 0);
    case 2:
        return Cor(1, 1, 0);
    case 3:
        return Cor(0, 1, 0);
    case 4:
        return Cor(0, 1, 1);
    case 5:
        return Cor(0, 0, 1);
    case 6:
        return Cor(1, 0, 1);
    case 7:
        return Cor(1, 1, 1);
    case 255:
        return Cor(256, 256, 256); // keep the current drawing colour
    default:
        break;
    }
    constexpr long double passo = 0.025L;
    if (n >= 10 && n <= 49) return Cor(1, Rampa(n, 10, passo), 0);
    if (n >= 50 && n <= 89) {
        long double t = Rampa(n, 50, passo);
        return Cor(1 - t, 1 + t, 0); // green rises above 1 past index 50
    }
    if (n >= 90 && n <= 129) return Cor(0, 1, Rampa(n, 90, passo));
    if (n >= 130 && n <= 169) return Cor(0, 1 - static_cast<long double>(Rampa(n, 130, passo)), 1);
    if (n >= 170 && n <= 209) return Cor(Rampa(n, 170, passo), 0, 1);
    if (n >= 210 && n <= 249) return Cor(1, 0, 1);
    if (n >= 250 && n <= 254) {
        long double t = Rampa(n, 250, 0.2L);
        return Cor(t, t, t);
    }
    return Cor(1, 1, 0); // by block, by layer, switched-off layers and unknown indices
}
