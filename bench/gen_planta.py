#!/usr/bin/env python3
"""Writes the annotation benchmark: the corpus floor plan repeated in a grid.

The plan's model space becomes a block inserted COLUMNS x ROWS times (25 x 25: about 100,000
texts and 8,000 hatches once its dimensions are expanded), into OUT.dxf, and the same drawing
without any TEXT, MTEXT or ATTRIB (in its blocks neither) into OUT_sem_texto.dxf, for the paint
to be compared with.

    bench/gen_planta.py FLOORPLAN.dxf OUT.dxf [COLUMNS ROWS]
"""
import sys


def pares(caminho):
    with open(caminho, "rb") as f:
        linhas = f.read().decode("latin-1").splitlines()
    return [(linhas[i].strip(), linhas[i + 1]) for i in range(0, len(linhas) - 1, 2)]


def registros(pares_da_secao):
    """The section's records, each a list of pairs starting at its group 0."""
    atual = []
    for par in pares_da_secao:
        if par[0] == "0" and atual:
            yield atual
            atual = []
        atual.append(par)
    if atual:
        yield atual


def secoes(todos):
    nome, corpo, dentro = None, [], False
    for codigo, valor in todos:
        if codigo == "0" and valor == "SECTION":
            dentro, corpo, nome = True, [], None
        elif dentro and nome is None and codigo == "2":
            nome = valor
        elif codigo == "0" and valor == "ENDSEC":
            yield nome, corpo
            dentro = False
        elif dentro:
            corpo.append((codigo, valor))


TEXTOS = {"TEXT", "MTEXT", "ATTRIB"}


def escreve(saida, partes, colunas, linhas, largura, altura, com_texto):
    with open(saida, "w", encoding="latin-1", newline="\r\n") as f:
        def g(c, v):
            f.write(f"{c}\n{v}\n")

        for nome, corpo in partes:
            g(0, "SECTION")
            g(2, nome)
            if nome == "ENTITIES":
                for j in range(linhas):
                    for i in range(colunas):
                        g(0, "INSERT"); g(8, "0"); g(2, "PLANTA_REPETIDA")
                        g(10, i * largura); g(20, j * altura); g(30, 0)
            else:
                for r in registros(corpo):
                    if not com_texto and r[0][1] in TEXTOS:
                        continue
                    for c, v in r:
                        g(c, v)
                if nome == "BLOCKS":
                    g(0, "BLOCK"); g(8, "0"); g(2, "PLANTA_REPETIDA"); g(70, 0)
                    g(10, 0); g(20, 0); g(30, 0); g(3, "PLANTA_REPETIDA")
                    for r in registros(dict(partes)["ENTITIES"]):
                        if not com_texto and r[0][1] in TEXTOS:
                            continue
                        for c, v in r:
                            g(c, v)
                    g(0, "ENDBLK"); g(8, "0")
            g(0, "ENDSEC")
        g(0, "EOF")


def main():
    if len(sys.argv) not in (3, 5):
        sys.exit(__doc__)
    entrada, saida = sys.argv[1], sys.argv[2]
    colunas, linhas = (int(sys.argv[3]), int(sys.argv[4])) if len(sys.argv) == 5 else (25, 25)
    partes = [(n, c) for n, c in secoes(pares(entrada)) if n in ("HEADER", "TABLES", "BLOCKS", "ENTITIES")]
    # The plan's extents from the header, with a margin between copies.
    cab = dict(partes)["HEADER"]
    valores = {}
    for k in range(len(cab) - 1):
        if cab[k][0] == "9" and cab[k][1] in ("$EXTMIN", "$EXTMAX"):
            valores[cab[k][1]] = (float(cab[k + 1][1]), float(cab[k + 2][1]))
    (x0, y0), (x1, y1) = valores["$EXTMIN"], valores["$EXTMAX"]
    largura, altura = 1.1 * (x1 - x0), 1.1 * (y1 - y0)
    base = saida[:-4] if saida.lower().endswith(".dxf") else saida
    escreve(saida, partes, colunas, linhas, largura, altura, True)
    escreve(base + "_sem_texto.dxf", partes, colunas, linhas, largura, altura, False)


if __name__ == "__main__":
    main()
