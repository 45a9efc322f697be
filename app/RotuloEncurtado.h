#pragma once

// A label that shows as much of its text as its width holds, the part that does not fit
// replaced by "…" in the middle (both ends of a long status stay readable), the whole text in
// its tool tip.

#include <QLabel>
#include <QResizeEvent>

class TRotuloEncurtado : public QLabel {
  public:
    using QLabel::QLabel;
    void Define(const QString& texto) {
        texto_ = texto;
        setToolTip(texto);
        Ajusta();
    }
    const QString& Texto() const { return texto_; }

  protected:
    void resizeEvent(QResizeEvent* evento) override {
        QLabel::resizeEvent(evento);
        Ajusta();
    }

  private:
    void Ajusta() { setText(fontMetrics().elidedText(texto_, Qt::ElideMiddle, width())); }
    QString texto_;
};
