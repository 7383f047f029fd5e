#include "Texto.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace sim {
namespace {

// Converts with the platform's iconv; a character that cannot be converted
// becomes "?" so that no text is ever lost whole.
std::string Converte(std::string_view Entrada, const char* Para, const char* De) {
    iconv_t Conversor = iconv_open(Para, De);
    if (Conversor == reinterpret_cast<iconv_t>(-1)) {
        return std::string(Entrada);
    }
    std::string Saida;
    Saida.reserve(Entrada.size() * 2);
    char* Origem = const_cast<char*>(Entrada.data());
    size_t Restante = Entrada.size();
    char Bloco[4096];
    while (Restante > 0) {
        char* Destino = Bloco;
        size_t Livre = sizeof Bloco;
        const size_t Resultado = iconv(Conversor, &Origem, &Restante, &Destino, &Livre);
        Saida.append(Bloco, static_cast<size_t>(Destino - Bloco));
        if (Resultado == static_cast<size_t>(-1) && errno != E2BIG) {
            Saida.push_back('?');
            ++Origem;
            --Restante;
        }
    }
    iconv_close(Conversor);
    return Saida;
}

} // namespace

std::string Utf8ParaWin1252(std::string_view Utf8) {
    return Converte(Utf8, "WINDOWS-1252//TRANSLIT", "UTF-8");
}

std::string Win1252ParaUtf8(std::string_view Win1252) {
    return Converte(Win1252, "UTF-8", "WINDOWS-1252");
}

std::string_view TextoLimitado(const char* Buffer, long Tamanho) {
    if (Buffer == nullptr || Tamanho <= 0) {
        return {};
    }
    const void* Zero = std::memchr(Buffer, '\0', static_cast<size_t>(Tamanho));
    const size_t Comprimento = Zero != nullptr
                                   ? static_cast<size_t>(static_cast<const char*>(Zero) - Buffer)
                                   : static_cast<size_t>(Tamanho);
    return std::string_view(Buffer, Comprimento);
}

std::string MascaraCartao(std::string_view Texto) {
    std::string Resultado(Texto);
    const auto Digito = [&Resultado](size_t I) {
        return I < Resultado.size() && Resultado[I] >= '0' && Resultado[I] <= '9';
    };
    const auto Separador = [&Resultado](size_t I) {
        return I < Resultado.size() &&
               (Resultado[I] == ' ' || Resultado[I] == '.' || Resultado[I] == '-');
    };
    for (size_t Inicio = 0; Inicio < Resultado.size(); ++Inicio) {
        if (!Digito(Inicio)) {
            continue;
        }
        // The whole run: a digit, or one separator and a digit, at a time.
        std::vector<size_t> Digitos{Inicio};
        for (size_t Proximo = Inicio + 1;; ++Proximo) {
            if (Separador(Proximo) && Digito(Proximo + 1)) {
                ++Proximo;
            }
            if (!Digito(Proximo)) {
                break;
            }
            Digitos.push_back(Proximo);
        }
        // An unbroken run longer than a card number is a bar code or a key.
        const bool Inteira = Digitos.back() - Inicio + 1 == Digitos.size();
        if (Digitos.size() >= 12 && (Digitos.size() <= 19 || !Inteira)) {
            for (size_t K = 0; K + 4 < Digitos.size(); ++K) {
                Resultado[Digitos[K]] = '*';
            }
        }
        Inicio = Digitos.back();
    }
    return Resultado;
}

} // namespace sim
