#pragma once

// The application object with the program's one error handler: an error that escapes any
// event handler ends that operation only; its message is shown in a message box with an OK
// button and the program goes on. Qt's own texts (dialogs, buttons) are Brazilian
// Portuguese like the program's, whatever the system's language.

#include <QApplication>
#include <QString>
#include <QTranslator>

#include <exception>
#include <functional>

class TAplicacao : public QApplication {
  public:
    TAplicacao(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error's message to the user. Replaceable, so that a test or a tool without
    // a user can take the message instead.
    static inline std::function<void(const QString& mensagem)> MostraMensagem;

    // The message the user sees for an error, and where it is shown.
    static QString MensagemDoErro(const std::exception_ptr& erro);
    static void MostraErro(const std::exception_ptr& erro);
    // Where the error happened (file and line), shown under the message; empty when unknown.
    static QString DetalheDoErro(const std::exception_ptr& erro);

    // The message box the handler shows by default, with the detail of the error being
    // shown. When it closes, the window's views repaint what they now hold.
    static void MensagemEmCaixa(const QString& mensagem);

    // Hands an error caught where it cannot be shown (inside a paint) to the handler, from
    // the event loop.
    static void AdiaErro(std::exception_ptr erro);

  private:
    QTranslator traducaoDoQt_;
    static inline QString detalheAtual_;
};
