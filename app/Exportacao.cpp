// "Arquivo > Exportar imagem...": the view's picture saved as PNG, at the view's size or at
// one the user gives.

#include "Aplicacao.h"
#include "Instantaneo.h"
#include "LeDXF.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QSpinBox>

namespace {

// The largest picture made, as dxfsnap's.
constexpr int MaiorLado = 4096;

// Asks the size, then the file; nullopt when the user cancels either.
std::optional<TForm1::TExportacao> PerguntaExportacao(QWidget* pai, const QString& nomePadrao,
                                                      QSize tamanho) {
    QDialog dialogo(pai);
    dialogo.setWindowTitle(QStringLiteral("Exportar imagem"));
    auto* formulario = new QFormLayout(&dialogo);
    auto* largura = new QSpinBox(&dialogo);
    auto* altura = new QSpinBox(&dialogo);
    for (QSpinBox* lado : {largura, altura}) {
        lado->setRange(1, MaiorLado);
        lado->setSuffix(QStringLiteral(" pixels"));
    }
    largura->setValue(tamanho.width());
    altura->setValue(tamanho.height());
    formulario->addRow(QStringLiteral("&Largura:"), largura);
    formulario->addRow(QStringLiteral("&Altura:"), altura);
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    formulario->addRow(botoes);
    QObject::connect(botoes, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botoes, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
    const QString nome = QFileDialog::getSaveFileName(
        pai, QStringLiteral("Exportar imagem"), nomePadrao, QStringLiteral("Imagens PNG (*.png)"));
    if (nome.isEmpty()) return std::nullopt;
    return TForm1::TExportacao{nome, {largura->value(), altura->value()}};
}

} // namespace

void TForm1::CriaExportacao() {
    ExportarImagem1 = new QAction(QStringLiteral("&Exportar imagem..."), this);
    ExportarImagem1->setObjectName(QStringLiteral("ExportarImagem1"));
    Arquivo1->insertAction(N1, ExportarImagem1);
    ExportDialog = PerguntaExportacao;
    connect(ExportarImagem1, &QAction::triggered, this, [this] {
        if (carregando_ || !ExportDialog) return;
        // Named after the drawing, beside it.
        const QFileInfo desenho(arquivoAtual_);
        const QString nomePadrao =
            arquivoAtual_.isEmpty() ? QStringLiteral("desenho.png")
                                    : desenho.dir().filePath(desenho.completeBaseName() + ".png");
        if (const auto escolha = ExportDialog(this, nomePadrao, View3D->size()))
            ExportaImagem(escolha->Arquivo, escolha->Tamanho);
    });
}

QImage TForm1::ImagemDoTamanho(QSize tamanho) {
    tamanho = tamanho.boundedTo({MaiorLado, MaiorLado}).expandedTo({1, 1});
    if (tamanho == View3D->size()) return ImagemDaVista(*View3D, Cam);
    // Drawn at that size by the view itself, then given back its place.
    const QSize antes = View3D->size();
    View3D->resize(tamanho);
    const QImage imagem = ImagemDaVista(*View3D, Cam);
    View3D->resize(antes);
    View3D->Redraw();
    return imagem;
}

void TForm1::ExportaImagem(const QString& arquivo, QSize tamanho) {
    const QImage imagem = ImagemDoTamanho(tamanho);
    if (!imagem.isNull() && imagem.save(arquivo, "PNG")) return;
    if (TAplicacao::MostraMensagem)
        TAplicacao::MostraMensagem(
            QStringLiteral("Não foi possível salvar a imagem em %1.").arg(arquivo));
}
