#include "NomesSiTef.h"

#include <QHash>

namespace {

QString Nome(const QHash<int, const char*>& Tabela, const QString& Codigo) {
    bool Numero = false;
    const int Valor = Codigo.trimmed().toInt(&Numero);
    const char* Nome = Numero ? Tabela.value(Valor) : nullptr;
    return Nome != nullptr ? QString::fromUtf8(Nome) : Codigo;
}

} // namespace

// The library manual's "Código da bandeira" table (its most common entries;
// the whole list is the SiTef's standard brand document).
QString NomeDaBandeira(const QString& Codigo) {
    static const QHash<int, const char*> Tabela = {
        {0, "Outra, não definida"},  {1, "Visa (crédito)"},
        {2, "Mastercard (crédito)"}, {4, "American Express (crédito)"},
        {11, "JCB (crédito)"},       {10014, "Discovery (voucher)"},
        {20001, "Maestro (débito)"}, {20002, "Visa Electron (débito)"},
        {20137, "Telenet (débito)"},
    };
    return Nome(Tabela, Codigo);
}

// The library manual's "Códigos das redes autorizadoras" table.
QString NomeDaRede(const QString& Codigo) {
    static const QHash<int, const char*> Tabela = {
        {0, "Outra, não definida"},
        {1, "Tecban"},
        {2, "Itaú"},
        {3, "Bradesco"},
        {4, "Visanet"},
        {5, "Redecard"},
        {6, "Amex"},
        {7, "Sollo"},
        {8, "E Capture"},
        {9, "Serasa"},
        {10, "SPC Brasil"},
        {11, "Serasa Detalhado"},
        {12, "Teledata"},
        {13, "ACSP"},
        {14, "ACSP Detalhado"},
        {15, "Tecbiz"},
        {16, "CDL DF"},
        {17, "Repom"},
        {18, "Standby"},
        {19, "Edmcard"},
        {20, "Credicesta"},
        {21, "Banrisul"},
        {22, "ACC Card"},
        {23, "Clubcard"},
        {24, "ACPR"},
        {25, "Vidalink"},
        {26, "CCC Web"},
        {27, "Ediguay"},
        {28, "Carrefour"},
        {29, "Softway"},
        {30, "Multicheque"},
        {31, "Ticket Combustível"},
        {32, "Yamada"},
        {33, "Citibank"},
        {34, "Infocard"},
        {35, "BESC"},
        {36, "EMS"},
        {37, "Cheque Cash"},
        {38, "Central Card"},
        {39, "Drogaraia"},
        {40, "Outro Serviço"},
        {41, "Edenred"},
        {42, "Epay Gift"},
        {43, "Parati"},
        {44, "Tokoro"},
        {45, "Coopercred"},
        {46, "Servcel"},
        {47, "Sorocred"},
        {48, "Vital"},
        {49, "Sax Financeira"},
        {50, "Formosa"},
        {51, "Hipercard"},
        {52, "Tricard"},
        {53, "Check OK"},
        {54, "Policard"},
        {55, "Cetelem Carrefour"},
        {56, "Leader"},
        {57, "Consórcio Credicard Venezuela"},
        {58, "Gazincred"},
        {59, "Telenet"},
        {60, "Cheque Pré"},
        {61, "Brasil Card"},
        {62, "Epharma"},
        {63, "Total"},
        {64, "Consórcio Amex Venezuela"},
        {65, "GAX"},
        {66, "Peralta"},
        {67, "Servidor Pagamento"},
        {68, "Banese"},
        {69, "Resomaq"},
        {70, "Sysdata"},
        {71, "CDL POA"},
        {72, "Bigcard"},
        {73, "Dtransfer"},
        {74, "Via Varejo"},
        {75, "Check Express"},
        {76, "Givex"},
        {77, "Valecard"},
        {78, "Portal Card"},
        {79, "Banpara"},
        {80, "Softnex"},
        {81, "Supercard"},
        {82, "GetNet"},
        {83, "Prevsaúde"},
    };
    return Nome(Tabela, Codigo);
}
