#include "Aplicacao.h"

#include <QMessageBox>
#include <QTimer>

namespace {

void MensagemEmCaixa(const QString& mensagem) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), mensagem,
                          QMessageBox::Ok);
}

} // namespace

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {
    if (!MostraMensagem) MostraMensagem = MensagemEmCaixa;
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

void TAplicacao::MostraErro(const std::exception_ptr& erro) {
    if (MostraMensagem) MostraMensagem(MensagemDoErro(erro));
}

void TAplicacao::AdiaErro(std::exception_ptr erro) {
    QTimer::singleShot(0, qApp, [erro] { std::rethrow_exception(erro); });
}
