#pragma once

#include "NReport.h"

#include <QStringList>

// Answers the report as an operator who picks the given destination, and
// writes down what the report asked and showed.
class TInterfaceRelatorioRoteirizada : public TInterfaceRelatorio {
public:
    TPrinterDialogInfo Escolha;
    bool Confirma = true;
    QStringList Eventos;

    // The operator picks the file Caminho, and the copies, in the dialog.
    void ImprimeEmArquivo(const QString& Caminho, std::int32_t Copias = 1) {
        Escolha.Output = 1;
        Escolha.Copies = Copias;
        Escolha.PrinterInfo.FileName = Caminho;
    }

    bool Pergunta(const QString& Mensagem) override {
        Eventos.append(QStringLiteral("pergunta ") + Mensagem);
        return true;
    }
    void Erro(const QString& Mensagem) override {
        Eventos.append(QStringLiteral("erro ") + Mensagem);
    }
    void Aguarde(const QString& Texto) override {
        Eventos.append(QStringLiteral("aguarde ") + Texto);
    }
    void FimAguarde() override { Eventos.append(QStringLiteral("fim aguarde")); }
    bool ExecutaDialogo(TNTextReport& Relatorio, TPrinterDialogInfo& Info) override {
        Eventos.append(QStringLiteral("dialogo %1 pagina(s)").arg(Relatorio.PageNumber()));
        if (Confirma) {
            Info = Escolha;
        }
        return Confirma;
    }
    bool ImprimeJatoDeTinta(const QString&, const TPrinterInfo&, const QString&) override {
        return false;
    }
};
