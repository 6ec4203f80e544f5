#include "ConferenciaSenha.h"

#include "data/TDMXAL.h"
#include "platform/Falha.h"

#include <QSqlQuery>

namespace
{

bool codigo(const QString& texto, int* valor)
{
    bool ok = false;
    *valor = texto.trimmed().toInt(&ok);
    return ok;
}

} // namespace

QString NomeFuncionario(TDMXAL& dm, const QString& codigoDigitado)
{
    int cod = 0;
    if (!codigo(codigoDigitado, &cod))
        return QString();
    return dm.escalar(QStringLiteral("qrFunc"), {{QStringLiteral("iCod"), cod}}).toString();
}

ResultadoLogin ConfereLogin(TDMXAL& dm, const QString& codigoDigitado, const QString& senha)
{
    const ResultadoLogin invalida{false, QString::fromUtf8("Senha Inválida")};
    if (senha.isEmpty())
        return invalida;
    QString senhaGravada;
    QString sangrias;
    int cod = 0;
    if (codigo(codigoDigitado, &cod)) {
        try {
            QSqlQuery q = dm.executa(QStringLiteral("qrConfere"), {{QStringLiteral("icod"), cod}});
            if (q.next()) {
                sangrias = q.value(0).toString().trimmed();
                senhaGravada = q.value(1).toString();
            }
            while (q.next()) {
            }
        } catch (const Falha&) {
            // A failed lookup leaves nothing to compare with: the password is refused below.
        }
    }
    if (senha != senhaGravada)
        return invalida;
    if (sangrias != QLatin1String("T"))
        return {false, QString::fromUtf8("Funcionário sem permissão")};
    return {true, QString()};
}
