#include "MAN_CAIXA_TEF_VISUALIZA.h"

#include "NPushButton.h"
#include "Textos.h"
#include "TratadorErros.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

QPointer<TManCaixaTefVisualiza> ManCaixaTefVisualiza;

QStringList LinhasDoVisualizador(const TNStringList& Linhas) {
    QString Texto = AparaControles(Linhas.Text().replace(u'\n', u';'));
    QStringList Resultado;
    do {
        const qsizetype Fim = Texto.indexOf(u';');
        // The carriage return of each line end stays behind; the text area
        // shows it as nothing.
        Resultado.append((Fim < 0 ? Texto : Texto.left(Fim)).remove(u'\r'));
        Texto = Fim < 0 ? QString() : Texto.mid(Fim + 1);
    } while (!Texto.isEmpty());
    return Resultado;
}

TManCaixaTefVisualiza::TManCaixaTefVisualiza(QWidget* Pai) : TTPLModalDataForm(Pai) {
    setObjectName(QStringLiteral("ManCaixaTefVisualiza"));
    setWindowTitle(QStringLiteral("Resultado - TEF"));
    TelaCheia = false;

    STR_TEXtO = new QPlainTextEdit(Conteudo());
    STR_TEXtO->setObjectName(QStringLiteral("STR_TEXtO"));
    STR_TEXtO->setReadOnly(true);
    STR_TEXtO->setFocusPolicy(Qt::ClickFocus);
    STR_TEXtO->setLineWrapMode(QPlainTextEdit::NoWrap);
    STR_TEXtO->setFrameShape(QFrame::NoFrame);
    STR_TEXtO->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    STR_TEXtO->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont Fonte(QStringLiteral("Courier New"));
    Fonte.setPixelSize(13);
    STR_TEXtO->setFont(Fonte);
    STR_TEXtO->setStyleSheet(QStringLiteral("background: white; color: navy;"));

    PNL_BOTOES = new QWidget(Conteudo());
    PNL_BOTOES->setObjectName(QStringLiteral("PNL_BOTOES"));
    PNL_BOTOES->setFixedHeight(40);
    BtnSalvar = TNPushButton::Cria(PNL_BOTOES, QStringLiteral("BtnSalvar"),
                                   QStringLiteral("    S&alvar"), [this] { BtnSalvarClick(); });
    BtnSair = TNPushButton::Cria(PNL_BOTOES, QStringLiteral("BtnSair"),
                                 QStringLiteral("      &Sair"), [this] { accept(); });
    auto* Barra = new QHBoxLayout(PNL_BOTOES);
    Barra->addWidget(BtnSalvar);
    Barra->addStretch();
    Barra->addWidget(BtnSair);
    auto* Colunas = new QVBoxLayout(Conteudo());
    Colunas->setContentsMargins(0, 0, 0, 0);
    Colunas->setSpacing(0);
    Colunas->addWidget(STR_TEXtO, 1);
    Colunas->addWidget(PNL_BOTOES);

    resize(450, 418 - 18);
}

void TManCaixaTefVisualiza::MostraTexto(const TNStringList& Linhas, const QString& Legenda) {
    if (!Legenda.isEmpty()) {
        setWindowTitle(Legenda);
    }
    STR_TEXtO->setPlainText(LinhasDoVisualizador(Linhas).join(QLatin1Char('\n')));
    MostraModal(this);
    // Closing frees the dialog: the global reference empties with it.
    delete this;
}

QStringList TManCaixaTefVisualiza::LinhasMostradas() const {
    return STR_TEXtO->toPlainText().split(QLatin1Char('\n'));
}

void TManCaixaTefVisualiza::SalvaEm(const QString& Arquivo) const {
    TNStringList(LinhasMostradas()).SaveToFile(Arquivo);
}

void TManCaixaTefVisualiza::showEvent(QShowEvent* Evento) {
    TTPLModalDataForm::showEvent(Evento);
    BtnSair->setFocus();
}

void TManCaixaTefVisualiza::BtnSalvarClick() {
    QFileDialog Dialogo(this);
    Dialogo.setAcceptMode(QFileDialog::AcceptSave);
    Dialogo.setDefaultSuffix(QStringLiteral("txt"));
    Dialogo.setOption(QFileDialog::DontUseNativeDialog);
    if (Dialogo.exec() == QDialog::Accepted && !Dialogo.selectedFiles().isEmpty()) {
        SalvaEm(Dialogo.selectedFiles().front());
    }
}
