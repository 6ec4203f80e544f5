#include "SenhaSuporte.h"

#include "data/TDMXAL.h"
#include "platform/Falha.h"

#include <QSqlQuery>

QString SenhaDoDia(const QDate& dia)
{
    // Each digit of ddMMyy is replaced; a changed table locks out support on older terminals.
    static const char kTroca[] = "Q7MX2K9BT4";
    const QString digitos = dia.toString(QStringLiteral("ddMMyy"));
    QString codigo;
    for (const QChar c : digitos)
        codigo.append(QLatin1Char(kTroca[c.digitValue()]));
    return codigo;
}

void AtualizaSenhaSuporte(TDMXAL& dm, int codLoja, const QDate& hoje)
{
    const QString codigo = SenhaDoDia(hoje);
    try {
        const Parametros loja{{QStringLiteral("COD_LOJA"), codLoja}};
        const QVariant atual = dm.escalar(QStringLiteral("qrSenhaSuporte"), loja);
        if (atual.isValid() && atual.toString() == codigo)
            return;
        Parametros p = loja;
        p.insert(QStringLiteral("SENHA"), codigo);
        dm.executa(QStringLiteral("qrAtualizaSenhaSuporte"), p);
    } catch (const Falha& f) {
        throw Falha(QStringLiteral("Problemas ao abrir tabela .: ") + f.mensagem());
    }
}
