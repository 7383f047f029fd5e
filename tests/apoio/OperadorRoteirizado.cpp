#include "OperadorRoteirizado.h"

#include "PassosTEF.h"

void TOperadorRoteirizado::Registra(const QString& Evento) {
    Eventos.append(Evento);
    if (AoEvento) {
        AoEvento(Evento);
    }
}

void TOperadorRoteirizado::MsgDisplay(const QString& Mensagem, const QString& Titulo,
                                      std::uint8_t Botoes, std::uint8_t Icone,
                                      std::uint8_t BotaoPadrao) {
    Registra(QStringLiteral("mensagem %1|%2|%3|%4|%5")
                 .arg(Titulo, Mensagem)
                 .arg(Botoes)
                 .arg(Icone)
                 .arg(BotaoPadrao));
}

std::uint8_t TOperadorRoteirizado::MsgDisplayResp(const QString& Mensagem, const QString& Titulo,
                                                  std::uint8_t Botoes, std::uint8_t Icone,
                                                  std::uint8_t BotaoPadrao) {
    Registra(QStringLiteral("pergunta %1|%2|%3|%4|%5")
                 .arg(Titulo, Mensagem)
                 .arg(Botoes)
                 .arg(Icone)
                 .arg(BotaoPadrao));
    if (Respostas.empty()) {
        return 4;
    }
    const std::uint8_t Resposta = Respostas.front();
    Respostas.pop_front();
    return Resposta;
}

void TOperadorRoteirizado::AguardeDisplay(const QString& Texto) {
    CaixasDeEsperaAbertas = 1;
    Registra(QStringLiteral("aguarde ") + Texto);
}

void TOperadorRoteirizado::FimAguardeDisplay() {
    CaixasDeEsperaAbertas = 0;
    Registra(QStringLiteral("fim aguarde"));
}

void TOperadorRoteirizado::Pausa(int Milissegundos) {
    PausaTotal += Milissegundos;
    Registra(QStringLiteral("pausa %1").arg(Milissegundos));
}

void TOperadorRoteirizado::TMenu::Libera() {
    Presente = false;
    Titulo.clear();
    Opcoes.clear();
    Escolhida.clear();
}

void TOperadorRoteirizado::TMenu::Mostra() {
    FDono.Registra(QStringLiteral("menu %1|%2").arg(Titulo, Opcoes));
    if (!Escolhas.empty()) {
        Escolhida = Escolhas.front();
        Escolhas.pop_front();
    }
    Continua = Escolhida.startsWith(u'=') ? 0 : PassosTEF::ContinuaDoCodigo(Escolhida);
    if (Escolhida.startsWith(u'=')) {
        Escolhida.remove(0, 1);
    }
}

void TOperadorRoteirizado::TColeta::Libera() {
    Presente = false;
    Exige = false;
    Codigo.clear();
}

void TOperadorRoteirizado::TColeta::Mostra() {
    FDono.Registra(
        QStringLiteral("coleta %1|%2|%3|%4").arg(Titulo).arg(Tipo).arg(Minimo).arg(Maximo));
    if (!Respostas.empty()) {
        Codigo = Respostas.front().first;
        // As the real dialog: abandoning leaves one blank as the value.
        Valor = Codigo == QStringLiteral("0") ? QStringLiteral(" ") : Respostas.front().second;
        Respostas.pop_front();
    }
}

void TOperadorRoteirizado::TVisualizador::MostraTexto(const TNStringList& Texto,
                                                      const QString& Legenda) {
    FDono.Registra(QStringLiteral("visualiza %1|%2").arg(Legenda, Texto.Text()));
}

void TOperadorRoteirizado::TTela::DefineCabecalho(const QString& Texto) {
    FDono.Registra(QStringLiteral("cabecalho ") + Texto);
}

void TOperadorRoteirizado::TTela::MostraQRCode(const QString& Conteudo) {
    QRCode = true;
    FDono.Registra(QStringLiteral("qrcode ") + Conteudo);
}

void TOperadorRoteirizado::TTela::DefineRodape(const QString& Texto) {
    FDono.Registra(QStringLiteral("rodape ") + Texto);
}

void TOperadorRoteirizado::TTela::RemoveQRCode() {
    if (QRCode) {
        FDono.Registra(QStringLiteral("remove qrcode"));
    }
    QRCode = false;
}
