#include "NReport.h"

#include "RegistroImpressao.h"
#include "Win1252.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr char AvancoFormulario = '\x0c';

const QString MensagemSemImpressora = QStringLiteral(
    "Não foi possivel determinar qual a impressora conectada ao sistema. Talvez seja necessário "
    "configurar uma no painel de controle do Windows. Deseja continuar mesmo assim?");
const QString MensagemInicio = QStringLiteral(
    "Não foi possivel iniciar o documento. Verifique se a pasta para o arquivo de spool local foi "
    "corretamente configurada e se não está protegida contra gravação.");
const QString MensagemDescarga =
    QStringLiteral("Não foi possivel descarregar os buffers do arquivo de spool Local.");
const QString MensagemBuffer = QStringLiteral("Não foi possivel carregar o buffer de impressão.");
const QString MensagemEnvio =
    QStringLiteral("Não foi possivel enviar dados para o dispositivo de saida.");

// "TMP_081226_143005_07.PRN": date, time ("hhnnss", whatever the regional
// settings say) and a random number 0 to 98.
QString NomeSpool() {
    const QDateTime Agora = QDateTime::currentDateTime();
    return QStringLiteral("TMP_%1_%2_%3.PRN")
        .arg(Agora.toString(QStringLiteral("ddMMyy")), Agora.toString(QStringLiteral("HHmmss")),
             QString::number(QRandomGenerator::global()->bounded(99)).rightJustified(2, u'0'));
}

bool EmBranco(const QByteArray& Bytes) {
    for (char Byte : Bytes) {
        if (static_cast<unsigned char>(Byte) > ' ') {
            return false;
        }
    }
    return true;
}

// Every line of Bytes (split at CR LF, CR or LF) followed by CR LF.
QByteArray LinhasComCrLf(const QByteArray& Bytes) {
    QByteArray Resultado;
    Resultado.reserve(Bytes.size() + Bytes.size() / 16);
    qsizetype Inicio = 0;
    const qsizetype Fim = Bytes.size();
    while (Inicio < Fim) {
        qsizetype Quebra = Inicio;
        while (Quebra < Fim && Bytes[Quebra] != '\r' && Bytes[Quebra] != '\n') {
            ++Quebra;
        }
        Resultado.append(Bytes.constData() + Inicio, Quebra - Inicio);
        Resultado.append("\r\n", 2);
        if (Quebra + 1 < Fim && Bytes[Quebra] == '\r' && Bytes[Quebra + 1] == '\n') {
            ++Quebra;
        }
        Inicio = Quebra + 1;
    }
    return Resultado;
}

} // namespace

QString PastaSpool() {
    const QString Pasta = QDir::current().filePath(QStringLiteral("spool"));
    QDir().mkpath(Pasta);
    QFile::setPermissions(Pasta,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return Pasta;
}

void RemoveSpoolsDeixados() {
    const QDir Pasta(PastaSpool());
    for (const QString& Nome : Pasta.entryList({QStringLiteral("TMP_*.PRN")}, QDir::Files)) {
        QFile::remove(Pasta.filePath(Nome));
    }
}

TNTextReport::TNTextReport(TInterfaceRelatorio* InterfaceRelatorio)
    : Interface(InterfaceRelatorio) {}

TNTextReport::~TNTextReport() {
    FSpool.Close();
    ApagaSpool();
}

void TNTextReport::ApagaSpool() {
    if (!FSpoolFileName.isEmpty()) {
        QFile::remove(FSpoolFileName);
        FSpoolFileName.clear();
    }
}

bool TNTextReport::BeginDoc() {
    FSpool.Close();
    if (FSpooling) {
        return false;
    }
    FErroSpool = false;
    Columns = std::clamp<std::uint16_t>(Columns, 5, 280);
    Lines = std::clamp<std::uint16_t>(Lines, 1, 280);
    // A spool file is created new: an existing name gets another number, so
    // two documents never write into each other's spool.
    const QDir Pasta(PastaSpool());
    for (int Tentativa = 0; Tentativa < 200 && !FSpooling; ++Tentativa) {
        FSpoolFileName = Pasta.filePath(NomeSpool());
        FSpooling = FSpool.Open(FSpoolFileName, TFileWriter::ModoExclusivo);
    }
    if (!FSpooling) {
        qCWarning(lcImpressao).noquote()
            << QStringLiteral("no spool file in %1: %2").arg(Pasta.path(), FSpool.UltimoErro());
        FSpoolFileName.clear();
    }
    FPrinterINI.Load(QStringLiteral("Printer.ini"), FCodigos);
    IniciaPagina();
    FPageNumber = 0;
    if (FSpooling) {
        if (OnBeginDoc) {
            OnBeginDoc(*this);
        }
        NewPage();
    }
    return FSpooling;
}

// The page's lines are blanked where they are, so a page costs no allocation
// once the first one is made.
void TNTextReport::IniciaPagina() {
    FRender.resize(0); // keeps its room for the next page
    FPagina.resize(Lines);
    for (QString& Linha : FPagina) {
        Linha.fill(u' ', Columns + 1);
    }
    FCurrentLine = 0;
    FCurrentColumn = 0;
    FPageDirty = false;
}

void TNTextReport::NewPage() {
    if (!FSpooling) {
        return;
    }
    if (FPageDirty) {
        if (OnNewPage) {
            OnNewPage(*this);
        }
        DescarregaPagina();
    }
    ++FPageNumber;
    IniciaPagina();
    if (OnBeforePrintHeader) {
        OnBeforePrintHeader(*this);
    }
    if (DefaultHeader) {
        CabecalhoPadrao();
    } else if (OnPrintHeader) {
        OnPrintHeader(*this);
    }
    if (OnAfterPrintHeader) {
        OnAfterPrintHeader(*this);
    }
}

// The built-in header: report name and page number, then a rule.
void TNTextReport::CabecalhoPadrao() {
    const QString Pagina = QStringLiteral("Pag. %1").arg(FPageNumber);
    PrintText(1, 0, ReportInfo.ReportName.left(Columns - Pagina.size() - 1), 0);
    PrintText(1, static_cast<std::uint16_t>(Columns - Pagina.size()), Pagina, 0);
    PrintText(2, 0, QString(Columns, u'-'), 0);
}

void TNTextReport::PrintText(std::uint16_t Line, std::uint16_t Column, const QString& Text,
                             std::int32_t MaxLength) {
    const QString Texto = MaxLength > 0 && MaxLength < Columns + 1 ? Text.left(MaxLength) : Text;
    if (Line > FCurrentLine) {
        FCurrentLine = Line;
        if (Line >= Lines - FooterLines) {
            NewPage();
            ++FCurrentLine;
        }
    }
    if (FCurrentLine >= FPagina.size()) {
        return;
    }
    // What fits from position Column + 1 up to the last column.
    const qsizetype Cabe = std::min<qsizetype>(Texto.size(), Columns - Column);
    if (Cabe > 0) {
        std::copy_n(Texto.constData(), Cabe, FPagina[FCurrentLine].data() + Column);
        FCurrentColumn = static_cast<std::uint16_t>(Column + Cabe);
    }
    // Marked after a page break too, so that text on a new page is flushed.
    FPageDirty = true;
}

void TNTextReport::DescarregaPagina() {
    if (OnPrintFooter) {
        OnPrintFooter(*this);
    }
    const QByteArray& SaltoLinha = FCodigos[TCodigo::LineFeed];
    FRender.reserve(FPagina.size() * (Columns + 1 + SaltoLinha.size()) +
                    FCodigos[TCodigo::EjectPage].size());
    for (const QString& Linha : FPagina) {
        const bool EmBrancoLinha =
            std::all_of(Linha.begin(), Linha.end(), [](QChar C) { return C.isSpace(); });
        if (!EmBrancoLinha) {
            AcrescentaWin1252(FRender, Linha);
        }
        FRender += SaltoLinha;
    }
    if (AutoFeed) {
        FRender += FCodigos[TCodigo::EjectPage];
        qsizetype Fim = FRender.size();
        while (Fim > 0 && FRender[Fim - 1] == AvancoFormulario) {
            --Fim;
        }
        qsizetype Inicio = Fim;
        while (Inicio > 0 && (FRender[Inicio - 1] == '\r' || FRender[Inicio - 1] == '\n' ||
                              FRender[Inicio - 1] == ' ')) {
            --Inicio;
        }
        FRender.remove(Inicio, Fim - Inicio);
    }
    // A short write (a full disk) fails the document: a cut-off receipt is
    // never reported as sent.
    if (!EmBranco(FRender) && FSpool.Write(FRender) != FRender.size() && !FErroSpool) {
        qCWarning(lcImpressao).noquote() << QStringLiteral("spool file %1 not written: %2")
                                                .arg(FSpoolFileName, FSpool.UltimoErro());
        FErroSpool = true;
    }
    FRender.resize(0); // keeps its room for the next page
    FPageDirty = false;
}

bool TNTextReport::EndDoc() {
    if (FSpooling && FPageDirty) {
        DescarregaPagina();
    }
    const bool SpoolFechado = FSpool.Close();
    if (!SpoolFechado) {
        qCWarning(lcImpressao).noquote() << QStringLiteral("spool file %1 not closed: %2")
                                                .arg(FSpoolFileName, FSpool.UltimoErro());
    }
    const bool Fechado = SpoolFechado && !FErroSpool;
    FSpooling = false;
    if (OnEndDoc) {
        OnEndDoc(*this);
    }
    return Fechado;
}

QByteArray TNTextReport::CodigosDeSaida() const {
    QByteArray Codigos;
    if (AutoReset) {
        Codigos += FCodigos[TCodigo::Reset];
    }
    Codigos += PrintMode == pmNormal      ? FCodigos[TCodigo::CondensedOff]
               : PrintMode == pmCondensed ? FCodigos[TCodigo::CondensedOn]
                                          : FCodigos[TCodigo::SuperCondensedOn];
    Codigos +=
        LineSpacing == ls16 ? FCodigos[TCodigo::LineSpacing16] : FCodigos[TCodigo::LineSpacing18];
    return Codigos;
}

std::optional<QByteArray> TNTextReport::CarregaBuffer() const {
    QFile Spool(FSpoolFileName);
    const QByteArray Conteudo = Spool.open(QIODevice::ReadOnly) ? Spool.readAll() : QByteArray();
    if (Spool.error() != QFileDevice::NoError) {
        qCWarning(lcImpressao).noquote() << QStringLiteral("spool file %1 not read: %2")
                                                .arg(FSpoolFileName, Spool.errorString());
        return std::nullopt;
    }
    return LinhasComCrLf(Conteudo);
}

QString TNTextReport::TextoJatoDeTinta(const QByteArray& Buffer) const {
    QByteArray Texto = Buffer;
    Texto.replace("\x0c", "\x0c\r");
    for (TCodigo Estilo : {TCodigo::CondensedOn, TCodigo::CondensedOff, TCodigo::SuperCondensedOn,
                           TCodigo::SuperCondensedOff, TCodigo::BoldOn, TCodigo::BoldOff,
                           TCodigo::ItalicsOn, TCodigo::ItalicsOff, TCodigo::DoubleStrikeOn,
                           TCodigo::DoubleStrikeOff, TCodigo::UnderlineOn, TCodigo::UnderlineOff,
                           TCodigo::LineSpacing16, TCodigo::LineSpacing18, TCodigo::Reset}) {
        if (!FCodigos[Estilo].isEmpty()) {
            Texto.replace(FCodigos[Estilo], QByteArray());
        }
    }
    const qsizetype Ultimo = Texto.lastIndexOf(AvancoFormulario);
    if (Ultimo >= 0) {
        Texto[Ultimo] = ' ';
    }
    return DeWin1252(Texto);
}

bool TNTextReport::EnviaBruto(const QByteArray& Buffer, const TPrinterDialogInfo& Info) {
    TRawPrinter Impressora;
    if (!Impressora.Open(Info.PrinterInfo.Device, Info.PrinterInfo.Port, DocumentName)) {
        return false;
    }
    const QByteArray Codigos = CodigosDeSaida();
    bool Aceito = true;
    for (std::int32_t Copia = 0; Copia < Info.Copies && Aceito; ++Copia) {
        for (const QByteArray* Parte : {&Codigos, &Buffer}) {
            if (!EnvioPorCaractere) {
                Aceito = Aceito && (Parte->isEmpty() || Impressora.Write(*Parte));
                continue;
            }
            for (qsizetype I = 0; I < Parte->size() && Aceito; ++I) {
                Aceito = Impressora.Write(Parte->mid(I, 1));
            }
        }
    }
    return Impressora.Close() && Aceito;
}

bool TNTextReport::EnviaArquivo(const QByteArray& Buffer, const TPrinterDialogInfo& Info) {
    TFileWriter Arquivo;
    bool Gravado = Arquivo.Open(Info.PrinterInfo.FileName, TFileWriter::ModoCria);
    for (std::int32_t Copia = 0; Copia < Info.Copies && Gravado; ++Copia) {
        Gravado = Arquivo.Write(Buffer) == Buffer.size();
    }
    if (!Arquivo.Close() || !Gravado) {
        qCWarning(lcImpressao).noquote()
            << QStringLiteral("file %1 not written: %2")
                   .arg(Info.PrinterInfo.FileName, Arquivo.UltimoErro());
        return false;
    }
    return true;
}

bool TNTextReport::EnviaJatoDeTinta(const QByteArray& Buffer, const TPrinterDialogInfo& Info) {
    if (Interface == nullptr) {
        return false;
    }
    const QString Texto = TextoJatoDeTinta(Buffer);
    bool Impresso = true;
    for (std::int32_t Copia = 0; Copia < Info.Copies && Impresso; ++Copia) {
        Impresso = Interface->ImprimeJatoDeTinta(Texto, Info.PrinterInfo, DocumentName);
    }
    if (!Impresso) {
        qCWarning(lcImpressao).noquote()
            << QStringLiteral("driver output to %1 failed").arg(Info.PrinterInfo.Device);
    }
    return Impresso;
}

bool TNTextReport::Envia(const QByteArray& Buffer, const TPrinterDialogInfo& Info) {
    const bool ParaArquivo = Info.Output == 1;
    if (DefaultDialog && Interface != nullptr) {
        Interface->Aguarde(
            QStringLiteral("Enviando %1 cópia(s) em %2")
                .arg(Info.Copies)
                .arg(ParaArquivo ? Info.PrinterInfo.FileName : Info.PrinterInfo.Device));
    }
    const bool Enviado = ParaArquivo                        ? EnviaArquivo(Buffer, Info)
                         : Info.PrinterInfo.DeviceKind == 1 ? EnviaJatoDeTinta(Buffer, Info)
                                                            : EnviaBruto(Buffer, Info);
    if (DefaultDialog && Interface != nullptr) {
        Interface->FimAguarde();
    }
    return Enviado;
}

void TNTextReport::Relata(const QString& Mensagem) {
    if (Interface != nullptr) {
        Interface->Erro(Mensagem);
    }
}

TResultadoImpressao TNTextReport::Gera() {
    TPrinterDialogInfo Info;
    Info.Copies = Copies;
    // Printers come and go while the station runs: the list is read anew.
    ListaImpressoras::Reinicia();
    if (!ListaImpressoras::ConfiguracaoPadrao(Info.PrinterInfo) &&
        (Interface == nullptr || !Interface->Pergunta(MensagemSemImpressora))) {
        return TResultadoImpressao::Cancelado;
    }
    if (!BeginDoc()) {
        Relata(MensagemInicio);
        return TResultadoImpressao::Falhou;
    }
    const bool MostraEspera = DefaultDialog && Interface != nullptr;
    if (MostraEspera) {
        Interface->Aguarde(QStringLiteral("Gerando o relatório..."));
    }
    try {
        if (OnPrintDetail) {
            OnPrintDetail(*this);
        }
    } catch (...) {
        if (MostraEspera) {
            Interface->FimAguarde();
        }
        EndDoc();
        throw;
    }
    if (MostraEspera) {
        Interface->FimAguarde();
    }
    if (!EndDoc()) {
        Relata(MensagemDescarga);
        return TResultadoImpressao::Falhou;
    }
    if (PrintTarget != ptDirect &&
        (Interface == nullptr || !Interface->ExecutaDialogo(*this, Info))) {
        return TResultadoImpressao::Cancelado;
    }
    std::optional<QByteArray> Buffer = CarregaBuffer();
    if (!Buffer) {
        Relata(MensagemBuffer);
        return TResultadoImpressao::Falhou;
    }
    if (OnLoadBuffer) {
        OnLoadBuffer(*this, *Buffer);
    }
    if (!Envia(*Buffer, Info)) {
        Relata(MensagemEnvio);
        return TResultadoImpressao::Falhou;
    }
    return TResultadoImpressao::Enviado;
}

TResultadoImpressao TNTextReport::Execute() {
    try {
        const TResultadoImpressao Resultado = Gera();
        ApagaSpool();
        return Resultado;
    } catch (...) {
        ApagaSpool();
        throw;
    }
}
