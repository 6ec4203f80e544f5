#include "Documentos.h"

#include "platform/Arquivos.h"

namespace
{
QString limpa(const QString& texto)
{
    QString t = texto;
    t.remove(QLatin1Char('.')).remove(QLatin1Char('/')).remove(QLatin1Char('-'));
    return t.trimmed();
}

bool soDigitos(const QString& t)
{
    return !t.isEmpty() && SomenteNumeros(t) == t;
}

bool todosIguais(const QString& t)
{
    return t.count(t[0]) == t.size();
}

int digito(const QString& t, const int* pesos, int n)
{
    int soma = 0;
    for (int i = 0; i < n; ++i)
        soma += t[i].digitValue() * pesos[i];
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}
} // namespace

bool ValidaCPF(const QString& cpf)
{
    const QString t = limpa(cpf);
    if (t.size() != 11 || !soDigitos(t) || todosIguais(t))
        return false;
    static const int p1[] = {10, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int p2[] = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    return digito(t, p1, 9) == t[9].digitValue() && digito(t, p2, 10) == t[10].digitValue();
}

bool ValidaCNPJ(const QString& cnpj)
{
    const QString t = limpa(cnpj);
    if (t.size() != 14 || !soDigitos(t) || todosIguais(t))
        return false;
    static const int p1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int p2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    return digito(t, p1, 12) == t[12].digitValue() && digito(t, p2, 13) == t[13].digitValue();
}
