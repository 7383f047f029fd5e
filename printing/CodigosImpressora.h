#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The printer's control codes, in their order.
enum class TCodigo {
    PrinterName,
    CondensedOn,
    CondensedOff,
    SuperCondensedOn,
    SuperCondensedOff,
    BoldOn,
    BoldOff,
    ItalicsOn,
    ItalicsOff,
    LineFeed,
    EjectPage,
    DoubleStrikeOn,
    DoubleStrikeOff,
    UnderlineOn,
    UnderlineOff,
    LineSpacing16,
    LineSpacing18,
    Reset
};

struct TPrinterCodes {
    static constexpr size_t Quantidade = 18;
    std::array<QByteArray, Quantidade> Codigos;

    const QByteArray& operator[](TCodigo Codigo) const {
        return Codigos[static_cast<size_t>(Codigo)];
    }
    QByteArray& operator[](TCodigo Codigo) { return Codigos[static_cast<size_t>(Codigo)]; }

    // The table used when there is no valid "Printer.ini".
    static TPrinterCodes Padrao();
    static const char* NomeChave(size_t Indice);
};

// Loads the codes from a "Printer.ini": key=value lines (keys in any letter
// case), PrinterName as text, every other value "#"-separated decimal byte
// codes (#27#69) with blank pieces skipped. A blank PrinterName or a piece
// that is not a byte code makes the load fail, and then the whole built-in
// table is used.
class TPrinterINI {
public:
    // True when Arquivo was loaded; Codigos always ends holding a full table.
    bool Load(const QString& Arquivo, TPrinterCodes& Codigos) const;
};
