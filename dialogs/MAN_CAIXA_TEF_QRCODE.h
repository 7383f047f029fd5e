#pragma once

#include "TPLModalDataForm.h"

#include <QImage>

class QLabel;
class TNPushButton;

// "Pagamento por QR Code": the QR code a PIX payment shows to the customer,
// large enough for a phone to read from across the counter, with the
// library's footer and a button with which the operator gives up. It does
// not block: the library keeps waiting behind it.
class TManCaixaTefQRCode : public TTPLModalDataForm {
    Q_OBJECT
public:
    explicit TManCaixaTefQRCode(QWidget* Pai = nullptr);

    // The smallest side of the code, quiet zone included, in pixels.
    static constexpr int LadoMinimo = 280;

    QLabel* LBL_QRCODE;
    QLabel* LBL_RODAPE;
    TNPushButton* BtnAbandonar;

    void MostraCodigo(const QString& Conteudo);
    void DefineRodape(const QString& Texto);
    bool Abandonado() const { return FAbandonado; }

protected:
    void EscPressionado() override;
    void closeEvent(QCloseEvent* Evento) override;

private:
    void BtnAbandonarClick();

    bool FAbandonado = false;
};

// The code as an image: black modules on white with a quiet zone of four
// modules, at least Lado pixels a side; a null image when the contents do
// not fit a QR code.
QImage ImagemQRCode(const QString& Conteudo, int Lado);
