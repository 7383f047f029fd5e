#pragma once

#include <QString>

// The fiscal printer library, loaded at run time when present
// (libbemafi32.so). The station only ends its TEF mode after each receipt;
// without the library the call does nothing.
class TBemaFI32 {
public:
    explicit TBemaFI32(const QString& NomeArquivo = QStringLiteral("libbemafi32.so"));
    ~TBemaFI32();
    TBemaFI32(const TBemaFI32&) = delete;
    TBemaFI32& operator=(const TBemaFI32&) = delete;

    // Its result is not examined.
    void Bematech_FI_FinalizaModoTEF();

private:
    void* FModulo = nullptr;
    int (*FFinalizaModoTEF)() = nullptr;
};
