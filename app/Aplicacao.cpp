#include "Aplicacao.h"

#include "ErroDeArquivo.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QOpenGLWidget>
#include <QTimer>

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {
    if (!MostraMensagem) MostraMensagem = MensagemEmCaixa;
    // The menus are Portuguese on every system, so Qt's dialogs and dates are too.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    if (traducaoDoQt_.load(QStringLiteral("qtbase_pt_BR"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&traducaoDoQt_);
}

bool TAplicacao::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        MostraErro(std::current_exception());
        return true;
    }
}

QString TAplicacao::MensagemDoErro(const std::exception_ptr& erro) {
    try {
        std::rethrow_exception(erro);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Erro desconhecido.");
    }
}

QString TAplicacao::DetalheDoErro(const std::exception_ptr& erro) {
    try {
        std::rethrow_exception(erro);
    } catch (const ErroDeArquivo& e) {
        QString detalhe = QStringLiteral("Arquivo: %1").arg(e.Arquivo());
        if (e.Linha()) detalhe += QStringLiteral("\nLinha: %1").arg(*e.Linha());
        return detalhe;
    } catch (...) {
        return {};
    }
}

void TAplicacao::MostraErro(const std::exception_ptr& erro) {
    if (!MostraMensagem) return;
    detalheAtual_ = DetalheDoErro(erro);
    MostraMensagem(MensagemDoErro(erro));
    detalheAtual_.clear();
}

void TAplicacao::MensagemEmCaixa(const QString& mensagem) {
    QMessageBox caixa(QMessageBox::Critical, QApplication::applicationName(), mensagem,
                      QMessageBox::Ok, QApplication::activeWindow());
    caixa.setInformativeText(detalheAtual_);
    caixa.exec();
    // The error may have changed the model (a load that failed half-way): the views show
    // it now rather than the picture they last drew.
    for (QWidget* janela : QApplication::topLevelWidgets())
        for (QOpenGLWidget* vista : janela->findChildren<QOpenGLWidget*>())
            vista->update();
}

void TAplicacao::AdiaErro(std::exception_ptr erro) {
    QTimer::singleShot(0, qApp, [erro] { std::rethrow_exception(erro); });
}
