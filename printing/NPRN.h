#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// The devices under the text report engine: a file writer, a raw printer on
// a CUPS queue, the printer records the print options dialog fills, and the
// list of installed printers (the CUPS destinations).

// Writes bytes to a file, not shared with anyone else while open.
class TFileWriter {
public:
    static constexpr int ModoCria = 0;      // create, replacing an existing file
    static constexpr int ModoAbre = 1;      // open an existing file
    static constexpr int ModoExclusivo = 2; // create a private (0600) file that must not exist yet

    TFileWriter() = default;
    ~TFileWriter();
    TFileWriter(const TFileWriter&) = delete;
    TFileWriter& operator=(const TFileWriter&) = delete;

    // False for a blank name or when the file cannot be opened.
    bool Open(const QString& FileName, int Mode);
    // Bytes written, every byte of Text (zero bytes included); -1 when closed.
    std::int32_t Write(const QByteArray& Text);
    // True once closed, also when it already was.
    bool Close();
    bool Aberto() const { return FHandle >= 0; }
    // The system's reason for the last open, write or close that failed.
    const QString& UltimoErro() const { return FUltimoErro; }

private:
    bool Falhou(); // keeps errno's reason; always false

    int FHandle = -1;
    QString FUltimoErro;
};

// Hands bytes unchanged to a CUPS queue as one raw job. The server is the one
// libcups is configured for (CUPS_SERVER included). Each failure is logged
// (tefkimbro.impressao) with the queue, the job and what CUPS said.
class TRawPrinter {
public:
    TRawPrinter() = default;
    ~TRawPrinter();
    TRawPrinter(const TRawPrinter&) = delete;
    TRawPrinter& operator=(const TRawPrinter&) = delete;

    // Opens the queue named Device and starts a raw job titled DocName. A name
    // that matches no queue fails and leaves nothing open. Port is not used.
    bool Open(const QString& Device, const QString& Port, const QString& DocName);
    // True only when every byte was accepted; an empty text writes nothing, false.
    bool Write(const QByteArray& Text);
    // Ends the job; true when the queue accepted it.
    bool Close();
    bool Aberto() const { return FTrabalho > 0; }

private:
    QString Trabalho() const; // "queue Q, job N", for the log
    // Logs the step that failed with what CUPS said; always false.
    bool Falhou(const QString& Etapa) const;

    QByteArray FFila;
    int FTrabalho = 0;
};

// The chosen printer.
struct TPrinterInfo {
    QString Device;
    QString Driver;
    QString Port;
    quintptr DeviceMode = 0;
    std::uint8_t DeviceKind = 0;  // 0 matrix (raw output), 1 ink jet (driver output)
    std::uint8_t Orientation = 0; // 0 portrait, 1 landscape (ink jet only)
    QString FileName;
};

// The operator's print choices.
struct TPrinterDialogInfo {
    TPrinterInfo PrinterInfo;
    std::uint8_t Range = 0;  // 0 all pages, 1 current page, 2 page range
    std::uint8_t Output = 0; // 0 printer, 1 file
    std::int32_t FirstPage = 0;
    std::int32_t LastPage = 0;
    std::int32_t Copies = 0;
};

// The installed printers, with a current one, as the station's print dialog
// and report see them.
namespace ListaImpressoras {

bool ImpressorasPresentes();
QStringList NomesImpressoras();
int IndiceAtual(); // -1 when there is none
// Returns the previous index.
int SelecionaImpressora(int Indice);
// Reads the list again and selects the system's default printer.
void Reinicia();
// False when no printer is installed; otherwise Device, Driver, Port and
// DeviceMode of the current printer (the other fields untouched).
bool ConfiguracaoPadrao(TPrinterInfo& Info);

} // namespace ListaImpressoras
