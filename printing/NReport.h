#pragma once

#include "CodigosImpressora.h"
#include "NPRN.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class TNTextReport;

enum TPrintMode { pmNormal, pmCondensed, pmSuperCondensed };
enum TLineSpacing { ls16, ls18 };
enum TPrintTarget { ptPreview, ptDirect, ptDialog };

struct TReportInfo {
    QString Application;
    QString ReportName;
};

// What became of a document.
enum class TResultadoImpressao { Enviado, Cancelado, Falhou };

// How the report reaches the operator, the print options dialog and the
// printer driver; the application wires the real ones, so the engine needs
// no widget.
class TInterfaceRelatorio {
public:
    virtual ~TInterfaceRelatorio() = default;
    // A yes/no question titled "Atenção"; true for "&Sim".
    virtual bool Pergunta(const QString& Mensagem) = 0;
    // An error in the message dialog (empty title, "&Ok").
    virtual void Erro(const QString& Mensagem) = 0;
    virtual void Aguarde(const QString& Texto) = 0;
    virtual void FimAguarde() = 0;
    // The print options dialog; true when the operator confirmed (Info filled).
    virtual bool ExecutaDialogo(TNTextReport& Relatorio, TPrinterDialogInfo& Info) = 0;
    // One job through the printer driver; false when it failed.
    virtual bool ImprimeJatoDeTinta(const QString& Texto, const TPrinterInfo& Impressora,
                                    const QString& Titulo) = 0;
};

// A text report for character printers: the application writes lines onto
// pages of fixed width and height from OnPrintDetail; each finished page is
// rendered with the printer's codes into a spool file, so only one page is
// ever held in memory; Execute then sends the document where the operator
// chose: a CUPS queue in raw mode, the printer driver, or a file.
class TNTextReport {
public:
    explicit TNTextReport(TInterfaceRelatorio* Interface = nullptr);
    ~TNTextReport();
    TNTextReport(const TNTextReport&) = delete;
    TNTextReport& operator=(const TNTextReport&) = delete;

    // Published properties.
    std::uint16_t Columns = 80; // 5 to 280
    std::uint16_t Lines = 64;   // 1 to 280
    std::uint16_t FooterLines = 0;
    TPrintMode PrintMode = pmNormal;
    TLineSpacing LineSpacing = ls16;
    bool AutoFeed = true;
    bool AutoReset = false;
    bool DefaultRender = true;
    bool DefaultHeader = true;
    bool DefaultDialog = true;
    QString DefaultPath = QStringLiteral("C:\\TEMP\\");
    QString DocumentName;
    std::uint16_t Copies = 1;
    TPrintTarget PrintTarget = ptPreview;
    TReportInfo ReportInfo;
    bool RemoveAccents = false;
    bool ShowPrinterAlert = true;
    bool HandleSessionDevices = false;
    bool HandleDeviceBuffer = false;

    // Events (the report is the sender).
    std::function<void(TNTextReport&)> OnBeginDoc, OnEndDoc, OnPrintDetail, OnNewPage,
        OnBeforePrintHeader, OnPrintHeader, OnAfterPrintHeader, OnPrintFooter;
    std::function<void(TNTextReport&, QByteArray& Buffer)> OnLoadBuffer;

    TInterfaceRelatorio* Interface;
    // Raw output: one write call per character, as older spoolers needed, or
    // the codes and the document in whole buffers (the same bytes).
    bool EnvioPorCaractere = false;

    // Generates the document and sends it where the operator chooses.
    TResultadoImpressao Execute();

    // Writes Text from position Column + 1 of report line Line (0-based);
    // MaxLength 0: no limit. A Line not after the current one writes there.
    void PrintText(std::uint16_t Line, std::uint16_t Column, const QString& Text,
                   std::int32_t MaxLength);
    bool BeginDoc();
    bool EndDoc();
    void NewPage();

    std::uint16_t PageNumber() const { return FPageNumber; }
    std::uint16_t CurrentLine() const { return FCurrentLine; }
    std::uint16_t CurrentColumn() const { return FCurrentColumn; }
    bool Spooling() const { return FSpooling; }
    const QString& ArquivoSpool() const { return FSpoolFileName; }
    const TPrinterCodes& Codigos() const { return FCodigos; }

    // The codes sent before the document in raw output.
    QByteArray CodigosDeSaida() const;
    // The document as the spool file holds it, every line ended by CR LF;
    // nothing when the spool file cannot be read.
    std::optional<QByteArray> CarregaBuffer() const;
    // The text for the printer driver: a CR after every form feed, the style
    // codes removed, the last form feed made a blank.
    QString TextoJatoDeTinta(const QByteArray& Buffer) const;
    // Sends Buffer, Copias times, as the record says; false when it failed.
    bool Envia(const QByteArray& Buffer, const TPrinterDialogInfo& Info);

private:
    void IniciaPagina();
    void DescarregaPagina();
    void CabecalhoPadrao();
    void Relata(const QString& Mensagem);
    bool EnviaBruto(const QByteArray& Buffer, const TPrinterDialogInfo& Info);
    bool EnviaArquivo(const QByteArray& Buffer, const TPrinterDialogInfo& Info);
    bool EnviaJatoDeTinta(const QByteArray& Buffer, const TPrinterDialogInfo& Info);
    TResultadoImpressao Gera();
    void ApagaSpool();

    TPrinterINI FPrinterINI;
    QString FSpoolFileName;
    TPrinterCodes FCodigos = TPrinterCodes::Padrao();
    std::uint16_t FPageNumber = 0;
    bool FPageDirty = false;
    std::uint16_t FCurrentLine = 0;
    std::uint16_t FCurrentColumn = 0;
    TFileWriter FSpool;
    QStringList FPagina;
    QByteArray FRender;
    bool FSpooling = false;
    bool FErroSpool = false; // a write of the spool file fell short
};

// The folder of the spool files: "spool" in the working folder, private to
// its user (0700), made when missing; never a folder other users share.
QString PastaSpool();
// Removes the spool files a killed station left; called at start, while the
// folder's lock keeps every other station out.
void RemoveSpoolsDeixados();
