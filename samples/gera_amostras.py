#!/usr/bin/env python3
"""Writes the sample drawings of this folder (ASCII DXF, CR LF line ends).

Run from anywhere: python3 samples/gera_amostras.py
"""
import os

PASTA = os.path.dirname(os.path.abspath(__file__))


class Desenho:
    def __init__(self):
        self.linhas = []

    def g(self, codigo, valor):
        self.linhas += [f"{codigo:>3}", str(valor)]

    def ponto(self, base, p):
        for i, v in enumerate(p):
            self.g(base + 10 * i, f"{float(v):.6g}")

    def secao(self, nome):
        self.g(0, "SECTION")
        self.g(2, nome)

    def fim_secao(self):
        self.g(0, "ENDSEC")

    def face(self, camada, cor, *cantos):
        self.g(0, "3DFACE")
        self.g(8, camada)
        if cor is not None:
            self.g(62, cor)
        if len(cantos) == 3:
            cantos = cantos + (cantos[2],)
        for i, c in enumerate(cantos):
            self.ponto(10 + i, c)

    def linha(self, camada, cor, p1, p2):
        self.g(0, "LINE")
        self.g(8, camada)
        if cor is not None:
            self.g(62, cor)
        self.ponto(10, p1)
        self.ponto(11, p2)

    def circulo(self, camada, cor, centro, raio, tipo="CIRCLE"):
        self.g(0, tipo)
        self.g(8, camada)
        if cor is not None:
            self.g(62, cor)
        self.ponto(10, centro)
        self.g(40, raio)

    def arco(self, camada, cor, centro, raio, ini, fim, eixo=None):
        self.circulo(camada, cor, centro, raio, "ARC")
        self.g(50, ini)
        self.g(51, fim)
        if eixo is not None:
            for codigo, v in zip((210, 220, 230), eixo):
                self.g(codigo, v)

    def polilinha_leve(self, camada, cor, vertices, largura=None, fechada=False):
        """LWPOLYLINE; each vertex (x, y) or (x, y, bulge)."""
        self.g(0, "LWPOLYLINE")
        self.g(8, camada)
        if cor is not None:
            self.g(62, cor)
        self.g(90, len(vertices))
        self.g(70, 1 if fechada else 0)
        if largura is not None:
            self.g(43, largura)
        for v in vertices:
            self.g(10, f"{float(v[0]):.6g}")
            self.g(20, f"{float(v[1]):.6g}")
            if len(v) > 2:
                self.g(42, v[2])

    def polilinha(self, camada, cor, flags, pontos):
        self.g(0, "POLYLINE")
        self.g(8, camada)
        if cor is not None:
            self.g(62, cor)
        self.g(66, 1)
        self.ponto(10, (0, 0, 0))
        self.g(70, flags)
        for p in pontos:
            self.g(0, "VERTEX")
            self.g(8, camada)
            self.ponto(10, p)
            self.g(70, 32)
        self.g(0, "SEQEND")
        self.g(8, camada)

    def insercao(self, camada, bloco, ponto, escala=(1, 1, 1), rotacao=None, eixo=None,
                 cor=None, matriz=None):
        """matriz: (columns, rows, column spacing, row spacing), as AutoCAD's MINSERT."""
        self.g(0, "INSERT")
        self.g(8, camada)
        if cor is not None:
            self.g(62, cor)
        self.g(2, bloco)
        self.ponto(10, ponto)
        for codigo, v in zip((41, 42, 43), escala):
            if v != 1:
                self.g(codigo, v)
        if rotacao is not None:
            self.g(50, rotacao)
        if eixo is not None:
            for codigo, v in zip((210, 220, 230), eixo):
                self.g(codigo, v)
        if matriz is not None:
            for codigo, v in zip((70, 71, 44, 45), matriz):
                self.g(codigo, v)

    def bloco(self, nome, base=(0, 0, 0)):
        self.g(0, "BLOCK")
        self.g(8, "0")
        self.g(2, nome)
        self.g(70, 0)
        self.ponto(10, base)
        self.g(3, nome)

    def fim_bloco(self):
        self.g(0, "ENDBLK")
        self.g(8, "0")

    def camadas(self, camadas):
        self.secao("TABLES")
        self.g(0, "TABLE")
        self.g(2, "LTYPE")
        self.g(70, 1)
        self.g(0, "LTYPE")
        self.g(2, "CONTINUOUS")
        self.g(70, 0)
        self.g(3, "Solid line")
        self.g(0, "ENDTAB")
        self.g(0, "TABLE")
        self.g(2, "LAYER")
        self.g(70, len(camadas))
        for nome, cor, *flags in camadas:
            self.g(0, "LAYER")
            self.g(2, nome)
            self.g(70, flags[0] if flags else 0)
            if cor is not None:
                self.g(62, cor)
            self.g(6, "CONTINUOUS")
        self.g(0, "ENDTAB")
        self.fim_secao()

    def cabecalho(self):
        self.secao("HEADER")
        self.g(9, "$ACADVER")
        self.g(1, "AC1009")
        self.fim_secao()

    def grava(self, nome, depois_do_fim=()):
        self.g(0, "EOF")
        texto = "\r\n".join(self.linhas + list(depois_do_fim)) + "\r\n"
        with open(os.path.join(PASTA, nome), "w", newline="") as f:
            f.write(texto)


def casinha(d):
    """A small house: walls and roof as 3D faces, its outline as lines."""
    a, b, h, t = 0, 40, 30, 50
    d.face("PAREDES", 1, (a, a, 0), (b, a, 0), (b, a, h), (a, a, h))
    d.face("PAREDES", 1, (b, a, 0), (b, b, 0), (b, b, h), (b, a, h))
    d.face("PAREDES", 3, (b, b, 0), (a, b, 0), (a, b, h), (b, b, h))
    d.face("PAREDES", 3, (a, b, 0), (a, a, 0), (a, a, h), (a, b, h))
    d.face("TELHADO", 5, (a, a, h), (b, a, h), (b / 2, b / 2, t))
    d.face("TELHADO", 5, (b, a, h), (b, b, h), (b / 2, b / 2, t))
    d.face("TELHADO", 4, (b, b, h), (a, b, h), (b / 2, b / 2, t))
    d.face("TELHADO", 4, (a, b, h), (a, a, h), (b / 2, b / 2, t))
    for p, q in [((a, a, 0), (b, a, 0)), ((b, a, 0), (b, b, 0)), ((b, b, 0), (a, b, 0)),
                 ((a, b, 0), (a, a, 0))]:
        d.linha("CONTORNO", None, p, q)


def todas_as_entidades():
    d = Desenho()
    d.cabecalho()
    d.camadas([("0", 7), ("PAREDES", 1), ("COTAS", 5), ("TEXTOS", None)])
    d.secao("BLOCKS")
    d.bloco("MARCO")
    d.linha("0", 2, (-5, 0, 0), (5, 0, 0))
    d.linha("0", 2, (0, -5, 0), (0, 5, 0))
    d.circulo("0", 6, (0, 0, 0), 4)
    d.arco("0", 30, (0, 0, 0), 6, 0, 90)
    d.fim_bloco()
    d.fim_secao()
    d.secao("ENTITIES")
    d.face("PAREDES", 1, (0, 0, 0), (100, 0, 0), (100, 0, 40), (0, 0, 40))
    d.face("PAREDES", None, (100, 0, 0), (100, 60, 0), (100, 60, 40))
    d.linha("COTAS", 5, (0, -10, 0), (100, -10, 0))
    d.linha("COTAS", None, (0, -12, 0), (0, -8, 0))
    d.arco("COTAS", 40, (50, 30, 0), 20, 0, 180)
    d.circulo("0", 3, (50, 30, 0), 10)
    d.g(0, "TEXT")  # a kind the viewer skips
    d.g(8, "TEXTOS")
    d.ponto(10, (0, 70, 0))
    d.g(40, 5)
    d.g(1, "Todas as entidades")
    d.polilinha("0", 140, 8, [(0, 60, 0), (30, 60, 10), (60, 60, 20), (90, 60, 30)])
    d.insercao("0", "MARCO", (120, 30, 0))
    d.insercao("0", "MARCO", (-20, 30, 0), escala=(2, 2, 2), rotacao=45)
    d.fim_secao()
    d.grava("todas_as_entidades.dxf",
            ["999", "CONFIG", "1", "XINI", "40", "50.0", "1", "ALTURA", "70", "3"])


def bloco_inserido():
    d = Desenho()
    d.camadas([("PAREDES", 1), ("TELHADO", 5), ("CONTORNO", 7)])
    d.secao("BLOCKS")
    d.bloco("CASA")
    casinha(d)
    d.fim_bloco()
    d.fim_secao()
    d.secao("ENTITIES")
    d.insercao("0", "CASA", (0, 0, 0))
    d.insercao("0", "CASA", (100, 0, 0), rotacao=45)
    d.insercao("0", "CASA", (200, 0, 0), escala=(2, 1, 0.5))
    d.insercao("0", "CASA", (0, 100, 0), escala=(1.5, 1.5, 1.5), rotacao=30)
    d.insercao("0", "CASA", (100, 100, 0), rotacao=90, eixo=(1, 0, 0))
    d.insercao("0", "CASA", (200, 100, 0), rotacao=60, eixo=(1, 1, 1))
    d.fim_secao()
    d.grava("bloco_inserido_varias_vezes.dxf")


def malha_poliface():
    d = Desenho()
    d.secao("ENTITIES")
    cubo = [(0, 0, 0), (50, 0, 0), (50, 50, 0), (0, 50, 0),
            (0, 0, 50), (50, 0, 50), (50, 50, 50), (0, 50, 50)]
    faces = [(1, 4, 3, 2), (5, 6, 7, 8), (1, 2, 6, 5), (2, 3, 7, 6), (3, 4, 8, 7),
             (4, 1, 5, -8)]
    d.g(0, "POLYLINE")
    d.g(8, "MALHA")
    d.g(62, 4)
    d.g(66, 1)
    d.ponto(10, (0, 0, 0))
    d.g(70, 64)
    d.g(71, len(cubo))
    d.g(72, len(faces))
    for p in cubo:
        d.g(0, "VERTEX")
        d.g(8, "MALHA")
        d.ponto(10, p)
        d.g(70, 192)
    for f in faces:
        d.g(0, "VERTEX")
        d.g(8, "MALHA")
        d.ponto(10, (0, 0, 0))
        d.g(70, 128)
        for codigo, v in zip((71, 72, 73, 74), f):
            d.g(codigo, v)
    d.g(0, "SEQEND")
    d.g(8, "MALHA")
    d.fim_secao()
    d.grava("malha_poliface_cubo.dxf")


def faces_na_sonda():
    """A plate of four 3D faces that the probe line crosses with the bars reset.

    The frame sets the extents to x, y in -150..150 and z in -50..100, so the camera stands
    at (0, 0, 125) and the probe line (x = 4, y = 3) crosses the plate at z = 0."""
    d = Desenho()
    d.camadas([("PLACA", 3), ("MOLDURA", 7)])
    d.secao("BLOCKS")
    d.bloco("PLACA")
    cores = [1, 2, 3, 5]
    for i, (x, y) in enumerate([(-100, -100), (0, -100), (-100, 0), (0, 0)]):
        d.face("PLACA", cores[i], (x, y, 0), (x + 100, y, 0), (x + 100, y + 100, 0),
               (x, y + 100, 0))
    d.fim_bloco()
    d.fim_secao()
    d.secao("ENTITIES")
    d.insercao("PLACA", "PLACA", (50, 50, 0))
    cantos = [(-150, -150), (150, -150), (150, 150), (-150, 150)]
    for (x1, y1), (x2, y2) in zip(cantos, cantos[1:] + cantos[:1]):
        d.linha("MOLDURA", None, (x1, y1, -50), (x2, y2, -50))
    d.linha("MOLDURA", None, (150, 150, -50), (150, 150, 100))
    d.fim_secao()
    d.grava("placa_cruzada_pela_sonda.dxf")


def moldura(d, camada, cor, x1, y1, x2, y2):
    """Four lines round a rectangle: what frames the drawings below the same whatever else
    shows."""
    cantos = [(x1, y1, 0), (x2, y1, 0), (x2, y2, 0), (x1, y2, 0)]
    for p, q in zip(cantos, cantos[1:] + cantos[:1]):
        d.linha(camada, cor, p, q)


def arco_espelhado():
    """A red arc whose extrusion is (0, 0, -1): OCS centre (50, 0), angles 0 to 180, which is
    the upper half circle about the world point (-50, 0); in a green frame from -100 to 100."""
    d = Desenho()
    d.secao("ENTITIES")
    moldura(d, "0", 3, -100, -60, 100, 60)
    d.arco("0", 1, (50, 0, 0), 40, 0, 180, eixo=(0, 0, -1))
    d.fim_secao()
    d.grava("arco_com_extrusao_negativa.dxf")


def polilinha_arqueada():
    """A yellow light-weight polyline 10 wide from (-50, 0) to (50, 0) with bulge 1: the half
    circle below the chord, through (0, -50); in a green frame from -100 to 100."""
    d = Desenho()
    d.secao("ENTITIES")
    moldura(d, "0", 3, -100, -100, 100, 100)
    d.polilinha_leve("0", 2, [(-50, 0, 1), (50, 0)], largura=10)
    d.fim_secao()
    d.grava("polilinha_com_bulge_e_largura.dxf")


def cores_por_bloco():
    """A square face of colour ByBlock in block QUADRO, inserted ByBlock by block PAR (twice,
    side by side); PAR inserted in red at the left and in blue at the right."""
    d = Desenho()
    d.secao("BLOCKS")
    d.bloco("QUADRO")
    d.face("0", 0, (0, 0, 0), (40, 0, 0), (40, 40, 0), (0, 40, 0))
    d.fim_bloco()
    d.bloco("PAR")
    d.insercao("0", "QUADRO", (0, 0, 0), cor=0)
    d.insercao("0", "QUADRO", (50, 0, 0), cor=0)
    d.fim_bloco()
    d.fim_secao()
    d.secao("ENTITIES")
    d.insercao("0", "PAR", (-100, 0, 0), cor=1)
    d.insercao("0", "PAR", (10, 0, 0), cor=5)
    d.fim_secao()
    d.grava("cores_por_bloco_aninhadas.dxf")


def camadas_ocultas():
    """A green face on a visible layer; red ones on a layer that is off (colour -1) and blue
    ones on a frozen layer (flag 1), at the top level and inside an inserted block."""
    d = Desenho()
    d.camadas([("VISIVEL", 3), ("DESLIGADA", -1), ("CONGELADA", 5, 1)])
    d.secao("BLOCKS")
    d.bloco("OCULTOS")
    d.face("DESLIGADA", None, (0, 0, 0), (40, 0, 0), (40, 40, 0), (0, 40, 0))
    d.face("CONGELADA", 5, (50, 0, 0), (90, 0, 0), (90, 40, 0), (50, 40, 0))
    d.fim_bloco()
    d.fim_secao()
    d.secao("ENTITIES")
    d.face("VISIVEL", None, (0, 0, 0), (100, 0, 0), (100, 60, 0), (0, 60, 0))
    d.face("DESLIGADA", None, (150, 0, 0), (200, 0, 0), (200, 60, 0), (150, 60, 0))
    d.face("CONGELADA", None, (-100, 0, 0), (-50, 0, 0), (-50, 60, 0), (-100, 60, 0))
    d.insercao("VISIVEL", "OCULTOS", (0, 100, 0))
    d.fim_secao()
    d.grava("camadas_desligada_e_congelada.dxf")


def matriz_de_insercoes():
    """MINSERT of a 10 x 10 red square: 3 columns 20 apart, 2 rows 20 apart, so squares over
    X 0-10, 20-30, 40-50 and Y 0-10, 20-30."""
    d = Desenho()
    d.secao("BLOCKS")
    d.bloco("QUADRADO")
    d.face("0", 1, (0, 0, 0), (10, 0, 0), (10, 10, 0), (0, 10, 0))
    d.fim_bloco()
    d.fim_secao()
    d.secao("ENTITIES")
    d.insercao("0", "QUADRADO", (0, 0, 0), matriz=(3, 2, 20, 20))
    d.fim_secao()
    d.grava("matriz_de_insercoes.dxf")


def insercao_espelhada():
    """A red face over X 10-50, Y -20-20 in block PLACA, inserted as it is and mirrored
    (X scale -1): the two faces stand symmetric about X = 0, both facing up."""
    d = Desenho()
    d.secao("BLOCKS")
    d.bloco("PLACA")
    d.face("0", 1, (10, -20, 0), (50, -20, 0), (50, 20, 0), (10, 20, 0))
    d.fim_bloco()
    d.fim_secao()
    d.secao("ENTITIES")
    d.insercao("0", "PLACA", (0, 0, 0))
    d.insercao("0", "PLACA", (0, 0, 0), escala=(-1, 1, 1))
    d.fim_secao()
    d.grava("insercao_espelhada.dxf")


def planta(nome, x, y):
    """A flat plan 5000 x 2850 (the view's proportions) with its lower left corner at (x, y):
    a green outline and, 100 inside it, a red face over its left half."""
    d = Desenho()
    d.secao("ENTITIES")
    moldura(d, "0", 3, x, y, x + 5000, y + 2850)
    d.face("0", 1, (x + 100, y + 100, 0), (x + 2500, y + 100, 0), (x + 2500, y + 2750, 0),
           (x + 100, y + 2750, 0))
    d.fim_secao()
    d.grava(nome)


if __name__ == "__main__":
    todas_as_entidades()
    bloco_inserido()
    malha_poliface()
    faces_na_sonda()
    arco_espelhado()
    polilinha_arqueada()
    cores_por_bloco()
    camadas_ocultas()
    matriz_de_insercoes()
    insercao_espelhada()
    planta("planta_larga.dxf", 0, 0)
    planta("planta_em_coordenadas_utm.dxf", 5000000, 7300000)
