#include "MAN_CAIXA_TEF_QRCODE.h"

#include "NPushButton.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <qrencode.h>

#include <memory>

namespace {

constexpr int ZonaLivre = 4; // modules of white around the code

} // namespace

QImage ImagemQRCode(const QString& Conteudo, int Lado) {
    const QByteArray Bytes = Conteudo.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> Codigo(
        QRcode_encodeString8bit(Bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!Codigo) {
        return QImage();
    }
    const int Modulos = Codigo->width + 2 * ZonaLivre;
    const int Escala = (Lado + Modulos - 1) / Modulos;
    QImage Imagem(Modulos * Escala, Modulos * Escala, QImage::Format_RGB32);
    Imagem.fill(Qt::white);
    QPainter Pintor(&Imagem);
    for (int Linha = 0; Linha < Codigo->width; ++Linha) {
        for (int Coluna = 0; Coluna < Codigo->width; ++Coluna) {
            if (Codigo->data[Linha * Codigo->width + Coluna] & 1) {
                Pintor.fillRect((Coluna + ZonaLivre) * Escala, (Linha + ZonaLivre) * Escala, Escala,
                                Escala, Qt::black);
            }
        }
    }
    return Imagem;
}

TManCaixaTefQRCode::TManCaixaTefQRCode(QWidget* Pai) : TTPLModalDataForm(Pai) {
    setObjectName(QStringLiteral("ManCaixaTefQRCode"));
    setWindowTitle(QStringLiteral("Pagamento por QR Code"));
    setModal(false);
    TelaCheia = false;
    LBL_QRCODE = new QLabel(Conteudo());
    LBL_QRCODE->setObjectName(QStringLiteral("LBL_QRCODE"));
    LBL_QRCODE->setAlignment(Qt::AlignCenter);
    LBL_RODAPE = new QLabel(Conteudo());
    LBL_RODAPE->setObjectName(QStringLiteral("LBL_RODAPE"));
    LBL_RODAPE->setAlignment(Qt::AlignCenter);
    LBL_RODAPE->setWordWrap(true);
    BtnAbandonar = TNPushButton::Cria(
        Conteudo(), QStringLiteral("BtnAbandonar"), QStringLiteral("&Abandonar"),
        [this] { BtnAbandonarClick(); }, false);
    auto* Coluna = new QVBoxLayout(Conteudo());
    Coluna->setContentsMargins(12, 12, 12, 12);
    Coluna->addWidget(LBL_QRCODE);
    Coluna->addWidget(LBL_RODAPE);
    Coluna->addWidget(BtnAbandonar, 0, Qt::AlignHCenter);
}

void TManCaixaTefQRCode::MostraCodigo(const QString& Conteudo) {
    LBL_QRCODE->setPixmap(QPixmap::fromImage(ImagemQRCode(Conteudo, LadoMinimo)));
    LBL_RODAPE->clear();
    FAbandonado = false;
    BtnAbandonar->setEnabled(true);
    adjustSize();
}

void TManCaixaTefQRCode::DefineRodape(const QString& Texto) {
    LBL_RODAPE->setText(Texto.trimmed());
}

// Told to the library at its next wait; the window stays until it answers.
void TManCaixaTefQRCode::BtnAbandonarClick() {
    FAbandonado = true;
    BtnAbandonar->setEnabled(false);
    LBL_RODAPE->setText(QStringLiteral("Cancelando o pagamento..."));
}

void TManCaixaTefQRCode::EscPressionado() {
    BtnAbandonarClick();
}

// Closing the window gives up as the button does; the library removes it.
void TManCaixaTefQRCode::closeEvent(QCloseEvent* Evento) {
    BtnAbandonarClick();
    Evento->ignore();
}
