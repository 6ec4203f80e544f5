#include "CarregaDigitais.h"

#include "data/TDMXAL.h"
#include "platform/Biometria.h"

void InicializaSisBiometrico(TDMXAL& dm)
{
    try {
        if (!IniciaBiometria(1) || !IniciaBiometria(2))
            return;
        QSqlQuery q = dm.executa(QStringLiteral("cdsAcessoEnroll"));
        while (q.next()) {
            const QVariant modelo = q.value(0);
            // The templates are text in the reader's own encoding, whatever the column type.
            const QString texto = modelo.typeId() == QMetaType::QByteArray
                                      ? QString::fromLatin1(modelo.toByteArray())
                                      : modelo.toString();
            const int codFun = q.value(1).toInt();
            if (codFun > 0)
                AdicionaDigital(1, texto, codFun);
            else
                AdicionaDigital(2, texto, q.value(2).toInt());
        }
    } catch (...) {
        // Without the reader's library or with a broken row, identification by print just
        // finds nobody later; starting the program must not stop here.
    }
}
