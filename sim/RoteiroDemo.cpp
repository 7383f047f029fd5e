#include "Roteiro.h"

#include <string>

namespace sim {
namespace {

// A day at the counter: a credit, debit or PIX sale (the PIX QR code, while
// the library waits about five seconds for the customer's phone, is handed
// to the station when the sale asks for it with "DevolveStringQRCode=1",
// and the operator may abandon it meanwhile; otherwise it is on the PIN pad) (card number
// 4000000000000002 is declined by the issuer), the communication test, the reprints (the menu
// goes straight to the last receipt; a given one is asked for by its NSU and date),
// pre-authorisation and its capture, the cancellations and the administrative menu (its day
// summary is a result to be viewed, not printed).
constexpr const char* Dia = R"JSON(
{
  "funcoes": {
    "0": {
      "passos": [
        {"comando": 1, "texto": "Conectando ao SiTef..."},
        {"comando": 2, "texto": "Aguarde a seleção da forma de pagamento"},
        {"comando": 13},
        {"comando": 4, "texto": "Forma de pagamento"},
        {"comando": 21, "texto": "1:Cartão de Crédito;2:Cartão de Débito;3:PIX;", "ramos": {
          "1": [
            {"comando": 30, "tipoCampo": 512, "min": 13, "max": 19, "texto": "Digite o número do cartão de crédito", "ramos": {
              "4000000000000002": [
                {"comando": 30, "tipoCampo": 513, "min": 4, "max": 4, "texto": "Data de vencimento do cartão (MMAA)"},
                {"comando": 1, "texto": "Consultando o emissor..."},
                {"comando": 11},
                {"comando": 22, "texto": "Transação não autorizada pelo emissor: saldo insuficiente (51)"},
                {"resultado": 5}
              ]
            }},
            {"comando": 30, "tipoCampo": 513, "min": 4, "max": 4, "texto": "Data de vencimento do cartão (MMAA)"},
            {"comando": 30, "tipoCampo": 514, "min": 3, "max": 4, "texto": "Código de segurança do cartão"},
            {"comando": 0, "tipoCampo": 132, "texto": "00001"}
          ],
          "3": [
            {"comando": 1, "texto": "Gerando a cobrança PIX..."},
            {"comando": 11},
            {"porParametros": {
              "DevolveStringQRCode=1": [
                {"comando": 50, "tipoCampo": 584, "texto": "00020126580014br.gov.bcb.pix0136123e4567-e12b-12d1-a456-4266554400005204000053039865802BR5919LOJA EXEMPLO KIMBRO6009SAO PAULO62070503***6304A1B2"},
                {"comando": 52, "texto": "Aguardando o pagamento pelo celular do cliente..."}
              ],
              "*": [
                {"comando": 3, "texto": "QR Code no PIN pad: aguardando o pagamento pelo celular do cliente..."}
              ]
            }},
            {"comando": 23, "pausa": 400}, {"comando": 23, "pausa": 400}, {"comando": 23, "pausa": 400},
            {"comando": 23, "pausa": 400}, {"comando": 23, "pausa": 400}, {"comando": 23, "pausa": 400},
            {"comando": 23, "pausa": 400}, {"comando": 23, "pausa": 400}, {"comando": 23, "pausa": 400},
            {"comando": 23, "pausa": 400}, {"comando": 23, "pausa": 400}, {"comando": 23, "pausa": 400},
            {"porParametros": {"DevolveStringQRCode=1": [{"comando": 51}], "*": [{"comando": 13}]}},
            {"comando": 1, "texto": "PIX recebido - transação aprovada"},
            {"comando": 0, "tipoCampo": 105, "texto": "{data}{hora}"},
            {"comando": 0, "tipoCampo": 121, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n            VIA DO CLIENTE\n{dataBR} {horaBR}            DOC: {cupom}\nPAGAMENTO PIX\nVALOR PAGO: R$ {valor}\nID: E{nsu}{autorizacao}\n"},
            {"comando": 0, "tipoCampo": 122, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n         VIA DO ESTABELECIMENTO\n{dataBR} {horaBR}            DOC: {cupom}\nPAGAMENTO PIX\nVALOR PAGO: R$ {valor}\nID: E{nsu}{autorizacao}\n"},
            {"comando": 11},
            {"resultado": 0}
          ],
          "2": [
            {"comando": 30, "tipoCampo": 512, "min": 13, "max": 19, "texto": "Digite o número do cartão de débito", "ramos": {
              "4000000000000002": [
                {"comando": 2, "texto": "Digite a senha no PIN pad"},
                {"comando": 12},
                {"comando": 22, "texto": "Transação não autorizada pelo emissor: saldo insuficiente (51)"},
                {"resultado": 5}
              ]
            }},
            {"comando": 2, "texto": "Digite a senha no PIN pad"},
            {"comando": 12},
            {"comando": 0, "tipoCampo": 132, "texto": "20002"}
          ]
        }},
        {"comando": 14},
        {"comando": 20, "texto": "Confirma o valor de R$ {valor}?", "ramos": {
          "1": [
            {"comando": 22, "texto": "Transação cancelada: valor não confirmado."},
            {"resultado": -2}
          ]
        }},
        {"comando": 3, "texto": "Processando transação... Não retire o cartão"},
        {"comando": 13},
        {"comando": 1, "texto": "Transação aprovada - retire o cartão"},
        {"comando": 0, "tipoCampo": 105, "texto": "{data}{hora}"},
        {"comando": 0, "tipoCampo": 131, "texto": "00005"},
        {"comando": 0, "tipoCampo": 133, "texto": "{nsu}"},
        {"comando": 0, "tipoCampo": 134, "texto": "{autorizacao}{nsu}"},
        {"comando": 0, "tipoCampo": 121, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n     Av. Paulista, 1000 - São Paulo\n            VIA DO CLIENTE\n{dataBR} {horaBR}            DOC: {cupom}\nCARTÃO: {cartaoMascarado}\nVENDA À VISTA\nVALOR APROVADO: R$ {valor}\nNSU: {nsu}   AUTORIZAÇÃO: {autorizacao}\n  TRANSAÇÃO AUTORIZADA MEDIANTE SENHA\n"},
        {"comando": 0, "tipoCampo": 122, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n     Av. Paulista, 1000 - São Paulo\n         VIA DO ESTABELECIMENTO\n{dataBR} {horaBR}            DOC: {cupom}\nCARTÃO: {cartaoMascarado}\nVENDA À VISTA\nVALOR APROVADO: R$ {valor}\nNSU: {nsu}   AUTORIZAÇÃO: {autorizacao}\nRECONHEÇO E PAGAREI A IMPORTÂNCIA ACIMA\n"},
        {"comando": 11}
      ],
      "resultado": 0
    },
    "111": {
      "passos": [
        {"comando": 1, "texto": "Testando comunicação com o SiTef..."},
        {"comando": 11},
        {"comando": 22, "texto": "Comunicação com o SiTef em ordem."}
      ],
      "resultado": 0
    },
    "110": {
      "passos": [
        {"comando": 4, "texto": "Menu administrativo"},
        {"comando": 21, "texto": "1:Teste de comunicação;2:Consulta de pendências;3:Resumo de vendas do dia;", "ramos": {
          "1": [
            {"comando": 1, "texto": "Testando comunicação com o SiTef..."},
            {"comando": 11},
            {"comando": 22, "texto": "Comunicação com o SiTef em ordem."}
          ],
          "2": [
            {"comando": 22, "texto": "Não há transações pendentes de confirmação."}
          ],
          "3": [
            {"comando": 1, "texto": "Consultando o SiTef..."},
            {"comando": 11},
            {"comando": 0, "tipoCampo": 19},
            {"comando": 0, "tipoCampo": 121, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        RESUMO DE VENDAS DO DIA\n{dataBR} {horaBR}\nCRÉDITO       3 TRANSAÇÕES   R$     152,40\nDÉBITO        2 TRANSAÇÕES   R$      37,90\nTOTAL         5 TRANSAÇÕES   R$     190,30\n"}
          ]
        }},
        {"comando": 14}
      ],
      "resultado": 0
    },
    "112": {
      "passos": [
        {"comando": 1, "texto": "Buscando o último comprovante..."},
        {"comando": 11},
        {"comando": 0, "tipoCampo": 121, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n               REIMPRESSÃO\n        LOJA EXEMPLO KIMBRO LTDA\n            VIA DO CLIENTE\n{dataBR} {horaBR}            DOC: {cupom}\nÚLTIMA TRANSAÇÃO: VENDA À VISTA\n"},
        {"comando": 0, "tipoCampo": 122, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n               REIMPRESSÃO\n        LOJA EXEMPLO KIMBRO LTDA\n         VIA DO ESTABELECIMENTO\n{dataBR} {horaBR}            DOC: {cupom}\nÚLTIMA TRANSAÇÃO: VENDA À VISTA\n"}
      ],
      "resultado": 0
    },
    "113": {
      "passos": [
        {"comando": 30, "tipoCampo": 516, "min": 1, "max": 12, "texto": "Número do documento (NSU) do comprovante"},
        {"comando": 30, "tipoCampo": 515, "min": 8, "max": 8, "texto": "Data da transação (DDMMAAAA)"},
        {"comando": 1, "texto": "Buscando o comprovante..."},
        {"comando": 11},
        {"comando": 0, "tipoCampo": 121, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n               REIMPRESSÃO\n        LOJA EXEMPLO KIMBRO LTDA\n            VIA DO CLIENTE\n{dataBR} {horaBR}            DOC: {cupom}\nCOMPROVANTE SOLICITADO: VENDA À VISTA\n"},
        {"comando": 0, "tipoCampo": 122, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n               REIMPRESSÃO\n        LOJA EXEMPLO KIMBRO LTDA\n         VIA DO ESTABELECIMENTO\n{dataBR} {horaBR}            DOC: {cupom}\nCOMPROVANTE SOLICITADO: VENDA À VISTA\n"}
      ],
      "resultado": 0
    },
    "115": {
      "passos": [
        {"comando": 30, "tipoCampo": 512, "min": 13, "max": 19, "texto": "Digite o número do cartão"},
        {"comando": 30, "tipoCampo": 513, "min": 4, "max": 4, "texto": "Data de vencimento do cartão (MMAA)"},
        {"comando": 34, "tipoCampo": 146, "min": 1, "max": 12, "texto": "Valor da pré-autorização"},
        {"comando": 1, "texto": "Pré-autorização aprovada"},
        {"comando": 11},
        {"comando": 0, "tipoCampo": 105, "texto": "{data}{hora}"},
        {"comando": 0, "tipoCampo": 121, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n            VIA DO CLIENTE\n{dataBR} {horaBR}            DOC: {cupom}\nPRÉ-AUTORIZAÇÃO\nCARTÃO: {cartaoMascarado}\nVALOR RESERVADO: R$ {valorColetado}\nNSU: {nsu}   AUTORIZAÇÃO: {autorizacao}\n"},
        {"comando": 0, "tipoCampo": 122, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n         VIA DO ESTABELECIMENTO\n{dataBR} {horaBR}            DOC: {cupom}\nPRÉ-AUTORIZAÇÃO\nCARTÃO: {cartaoMascarado}\nVALOR RESERVADO: R$ {valorColetado}\nNSU: {nsu}   AUTORIZAÇÃO: {autorizacao}\n"}
      ],
      "resultado": 0
    },
    "116": {
      "passos": [
        {"comando": 30, "tipoCampo": 516, "min": 1, "max": 12, "texto": "Número do documento (NSU) da pré-autorização"},
        {"comando": 30, "tipoCampo": 515, "min": 8, "max": 8, "texto": "Data da pré-autorização (DDMMAAAA)"},
        {"comando": 34, "tipoCampo": 146, "min": 1, "max": 12, "texto": "Valor da captura"},
        {"comando": 1, "texto": "Captura aprovada"},
        {"comando": 11},
        {"comando": 0, "tipoCampo": 105, "texto": "{data}{hora}"},
        {"comando": 0, "tipoCampo": 121, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n            VIA DO CLIENTE\n{dataBR} {horaBR}            DOC: {cupom}\nCAPTURA DE PRÉ-AUTORIZAÇÃO\nVALOR CAPTURADO: R$ {valorColetado}\nNSU: {nsu}   AUTORIZAÇÃO: {autorizacao}\n"},
        {"comando": 0, "tipoCampo": 122, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n         VIA DO ESTABELECIMENTO\n{dataBR} {horaBR}            DOC: {cupom}\nCAPTURA DE PRÉ-AUTORIZAÇÃO\nVALOR CAPTURADO: R$ {valorColetado}\nNSU: {nsu}   AUTORIZAÇÃO: {autorizacao}\n"}
      ],
      "resultado": 0
    },
    "200": {
      "passos": [
        {"comando": 30, "tipoCampo": 500, "min": 4, "max": 8, "texto": "Senha do supervisor"},
        {"comando": 34, "tipoCampo": 146, "min": 1, "max": 12, "texto": "Valor da transação a cancelar"},
        {"comando": 30, "tipoCampo": 516, "min": 1, "max": 12, "texto": "Número do documento (NSU) a cancelar"},
        {"comando": 30, "tipoCampo": 515, "min": 8, "max": 8, "texto": "Data da transação (DDMMAAAA)"},
        {"comando": 20, "texto": "Confirma o cancelamento de R$ {valorColetado}?", "ramos": {
          "1": [
            {"comando": 22, "texto": "Cancelamento não efetuado."},
            {"resultado": -2}
          ]
        }},
        {"comando": 1, "texto": "Cancelamento aprovado"},
        {"comando": 11},
        {"comando": 0, "tipoCampo": 105, "texto": "{data}{hora}"},
        {"comando": 0, "tipoCampo": 121, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n            VIA DO CLIENTE\n{dataBR} {horaBR}            DOC: {cupom}\nCANCELAMENTO DE VENDA\nVALOR CANCELADO: R$ {valorColetado}\nNSU: {nsu}   AUTORIZAÇÃO: {autorizacao}\n"},
        {"comando": 0, "tipoCampo": 122, "texto": "   *** SIMULAÇÃO - SEM VALOR FISCAL ***\n        LOJA EXEMPLO KIMBRO LTDA\n         VIA DO ESTABELECIMENTO\n{dataBR} {horaBR}            DOC: {cupom}\nCANCELAMENTO DE VENDA\nVALOR CANCELADO: R$ {valorColetado}\nNSU: {nsu}   AUTORIZAÇÃO: {autorizacao}\n"}
      ],
      "resultado": 0
    }
  }
}
)JSON";

// A PIX payment is cancelled by the card sale's dialogue; only its receipt
// says which payment it was.
nlohmann::json CancelamentoPix(const nlohmann::json& Cancelamento) {
    const std::string Venda = "CANCELAMENTO DE VENDA";
    std::string Texto = Cancelamento.dump();
    for (auto Onde = Texto.find(Venda); Onde != std::string::npos; Onde = Texto.find(Venda)) {
        Texto.replace(Onde, Venda.size(), "CANCELAMENTO PIX");
    }
    return nlohmann::json::parse(Texto);
}

} // namespace

nlohmann::json RoteiroDemo() {
    nlohmann::json Demo = nlohmann::json::parse(Dia);
    nlohmann::json& Funcoes = Demo["funcoes"];
    // The reprint menu has one entry here, the last receipt: 114 is its dialogue.
    Funcoes["114"] = Funcoes["112"];
    Funcoes["123"] = CancelamentoPix(Funcoes["200"]);
    return Demo;
}

} // namespace sim
