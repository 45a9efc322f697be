#pragma once

// A load's error with the name of the file it happened in; its message is the reader's own.

#include "ErroDXF.h"

#include <QString>

#include <utility>

class ErroDeArquivo : public ErroDXF {
  public:
    ErroDeArquivo(const ErroDXF& erro, QString arquivo)
        : ErroDXF(erro), arquivo_(std::move(arquivo)) {}
    const QString& Arquivo() const { return arquivo_; }

  private:
    QString arquivo_;
};
