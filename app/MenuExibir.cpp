// The menu "Exibir": options that show more of what a file holds than the default picture.
// DXF gives a 3D face no front side and many programs write faces in any winding, so whole
// models show holes while back faces are culled; and plain polylines are not drawn by
// default. "Desenho completo" shows every element of the model space as a CAD program does,
// faces from both sides and polylines included, so the two others have no effect while it is
// on; "Espessuras de linha" shows its line weights. Every option is off at every start and saved
// nowhere.

#include "LeDXF.h"

#include <QMenuBar>

namespace {

QAction* Opcao(QMenu* menu, const QString& texto, const QKeySequence& atalho) {
    QAction* acao = menu->addAction(texto);
    acao->setCheckable(true);
    acao->setShortcut(atalho);
    return acao;
}

} // namespace

void TForm1::CriaMenuExibir() {
    Exibir1 = new QMenu(QStringLiteral("&Exibir"), MainMenu1);
    Exibir1->setObjectName(QStringLiteral("Exibir1"));
    // Ctrl+D for "dois lados", Ctrl+L for lines, Ctrl+T for "tudo", Ctrl+E for "espessuras";
    // Ctrl+A and Ctrl+S open and quit.
    FacesDosDoisLados1 =
        Opcao(Exibir1, QStringLiteral("Faces dos &dois lados"), QKeySequence(Qt::CTRL | Qt::Key_D));
    FacesDosDoisLados1->setObjectName(QStringLiteral("FacesDosDoisLados1"));
    Polilinhas1 = Opcao(Exibir1, QStringLiteral("&Polilinhas"), QKeySequence(Qt::CTRL | Qt::Key_L));
    Polilinhas1->setObjectName(QStringLiteral("Polilinhas1"));
    DesenhoCompleto1 =
        Opcao(Exibir1, QStringLiteral("Desenho &completo"), QKeySequence(Qt::CTRL | Qt::Key_T));
    DesenhoCompleto1->setObjectName(QStringLiteral("DesenhoCompleto1"));
    EspessurasDeLinha1 =
        Opcao(Exibir1, QStringLiteral("&Espessuras de linha"), QKeySequence(Qt::CTRL | Qt::Key_E));
    EspessurasDeLinha1->setObjectName(QStringLiteral("EspessurasDeLinha1"));
    for (QAction* opcao : {FacesDosDoisLados1, Polilinhas1, DesenhoCompleto1, EspessurasDeLinha1})
        connect(opcao, &QAction::toggled, View3D, &TOGLView::Redraw);
    connect(DesenhoCompleto1, &QAction::toggled, this, [this](bool completo) {
        FacesDosDoisLados1->setEnabled(!completo);
        Polilinhas1->setEnabled(!completo);
    });

    CriaVistas();

    // Right after "Arquivo", whatever menus follow it.
    const QList<QAction*> menus = MainMenu1->actions();
    const qsizetype depois = menus.indexOf(Arquivo1->menuAction()) + 1;
    MainMenu1->insertMenu(depois > 0 && depois < menus.size() ? menus[depois] : nullptr, Exibir1);
}
