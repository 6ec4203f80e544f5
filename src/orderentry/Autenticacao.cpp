#include "Autenticacao.h"

#include "data/TDMXAL.h"
#include "platform/CodePage.h"
#include "platform/Falha.h"

#include <QSqlRecord>
#include <cmath>

namespace
{

QString u(const char* t)
{
    return QString::fromUtf8(t);
}

struct Campo {
    const char* nome;
    bool data;
};

// Reads one row, joins its columns' texts, seals it and stores the seal.
double AutenticaTable(TDMXAL& dm, const QString& nomeSeek, const QString& nomeUpdate,
                      const Parametros& chave, std::initializer_list<Campo> campos)
{
    QString texto;
    try {
        QSqlQuery q = dm.executa(nomeSeek, chave);
        if (!q.next())
            return 0;
        const QSqlRecord r = q.record();
        for (const Campo& c : campos)
            texto += textoRegional(r.value(u(c.nome)), c.data);
        q.finish();
    } catch (const Falha&) {
        return 0;
    }
    const double selo = AutenticaRegPaf(CodePage::paraWindows1252(texto));
    Parametros p = chave;
    p.insert(u("AUTENTICA"), static_cast<qint64>(std::floor(selo)));
    try {
        dm.executa(nomeUpdate, p).finish();
    } catch (const Falha&) {
        return 0;
    }
    return selo;
}

} // namespace

double AutenticaRegPaf(const QByteArray& campos)
{
    double soma = 0;
    const qsizetype n = std::min<qsizetype>(campos.size(), 255);
    for (qsizetype i = 0; i < n; ++i)
        soma += static_cast<unsigned char>(campos[i]) * static_cast<double>(i + 1);
    return soma;
}

QString textoRegional(const QVariant& valor, bool ehData)
{
    if (valor.isNull() || !valor.isValid())
        return QString();
    if (ehData || valor.typeId() == QMetaType::QDateTime || valor.typeId() == QMetaType::QDate) {
        const QDateTime d = TDMXAL::lerData(valor);
        if (!d.isValid())
            return valor.toString();
        const QString dia = d.date().toString(u("dd/MM/yyyy"));
        return d.time() == QTime(0, 0) ? dia : dia + u(" ") + d.time().toString(u("HH:mm:ss"));
    }
    switch (valor.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(valor.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        // Up to 15 significant digits, no trailing zeros, decimal comma.
        QString t = QString::number(valor.toDouble(), 'g', 15);
        return t.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    default:
        return valor.toString();
    }
}

double AutenticaCmdItem(TDMXAL& dm, int documento, int item)
{
    return AutenticaTable(dm, u("SqlSeloItem"), u("SqlAtualizaSeloItem"),
                          {{u("DOCUMENTO"), documento}, {u("NUM_ITEM"), item}},
                          {{"NUM_COMANDA", false},
                           {"DATA", true},
                           {"NUM_ITEM", false},
                           {"COD_PROD", false},
                           {"DESCRICAO", false},
                           {"FLG_UNIDADE_VENDA", false},
                           {"FLG_SITUACAO_TRIB", false},
                           {"VLR_ICMS", false},
                           {"VLR_QTDE", false},
                           {"VLR_PRECO", false},
                           {"VLR_TOTAL", false},
                           {"CHK_CANCELADO", false}});
}

double AutenticaCmdNota(TDMXAL& dm, int documento)
{
    return AutenticaTable(dm, u("SqlSeloNota"), u("SqlAtualizaSeloNota"),
                          {{u("DOCUMENTO"), documento}},
                          {{"NUM_COMANDA", false},
                           {"DATA", true},
                           {"CNPJ_CPF", false},
                           {"CONTATO", false},
                           {"COO", false},
                           {"ECF", false}});
}
