#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The command buffer handed to the library on every continuation call: its
// text on the way out, the station's reply on the way back. Nothing is ever
// written past its end, and every text read from it is bounded by its size,
// whether or not the library put a zero byte in it.
class TBufferSiTef {
public:
    static constexpr int Tamanho = 30001;

    TBufferSiTef() { FDados.fill('\0'); }

    char* Dados() { return FDados.data(); }
    const char* Dados() const { return FDados.data(); }

    // The zero-terminated text, or all the bytes when there is no zero.
    QByteArray Bytes() const;

    // One blank followed by the buffer's text: every text the loops show or
    // store starts with that blank.
    QString TextoMensagem() const;

    // Writes Resposta in Windows-1252 with its terminating zero, cut to fit.
    void EscreveResposta(const QString& Resposta);

    // Replaces the first byte only; the rest of the library's text stays.
    void EscrevePrimeiroCaractere(char Caractere) {
        FDados[0] = Caractere;
        FRespondido = true;
    }

    // Whether the text is the station's reply rather than what the library
    // last wrote: a command that needs no reply leaves the library's text,
    // which is then no reply of the station's.
    bool Respondido() const { return FRespondido; }
    // The library has written its text over the reply.
    void DevolvidoPelaBiblioteca() { FRespondido = false; }

private:
    std::array<char, Tamanho> FDados;
    bool FRespondido = false;
};
