#include "Carga.h"

#include "UDXF.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressDialog>

#include <memory>

namespace {

struct CursorOcupado {
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

constexpr int Passos = 1000;

} // namespace

void CarregaComProgresso(QWidget* janela, const QString& nome, std::chrono::milliseconds espera) {
    const CursorOcupado cursor;
    QElapsedTimer relogio;
    relogio.start();
    std::unique_ptr<QProgressDialog> dialogo;
    const auto progresso = [&](double fracao) {
        if (!dialogo) {
            if (relogio.elapsed() < espera.count()) return;
            dialogo = std::make_unique<QProgressDialog>(janela);
            dialogo->setWindowTitle(QApplication::applicationName());
            dialogo->setLabelText(QStringLiteral("Lendo %1").arg(nome));
            dialogo->setCancelButton(nullptr);
            dialogo->setRange(0, Passos);
            dialogo->setMinimumDuration(0);
            dialogo->show();
        }
        dialogo->setValue(static_cast<int>(fracao * Passos));
        // The dialog and the window repaint; clicks and keys wait for the end of the load.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    CarregaDXF(QFile::encodeName(nome).toStdString(), progresso);
}
