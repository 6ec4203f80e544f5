#include "TestSupport.h"

#include <QFile>
#include <QtTest>

PastaTeste::PastaTeste()
{
    m_homeAnterior = qgetenv("BRISVEL_HOME");
    qputenv("BRISVEL_HOME", m_dir.path().toUtf8());
}

PastaTeste::~PastaTeste()
{
    if (m_homeAnterior.isEmpty())
        qunsetenv("BRISVEL_HOME");
    else
        qputenv("BRISVEL_HOME", m_homeAnterior);
}

QString PastaTeste::caminho(const QString& arquivo) const
{
    return arquivo.isEmpty() ? m_dir.path() : m_dir.filePath(arquivo);
}

void PastaTeste::escreve(const QString& arquivo, const QByteArray& conteudo) const
{
    QFile f(caminho(arquivo));
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write test file");
    f.write(conteudo);
}

std::unique_ptr<TDMXAL> abreBancoTeste(const PastaTeste& pasta, bool demo, QString* erro)
{
    static int contador = 0;
    auto dm = std::make_unique<TDMXAL>(QStringLiteral("teste%1").arg(++contador));
    DescricaoConexao c;
    c.texto = pasta.caminho(QStringLiteral("shop.db"));
    if (!demo) {
        // An existing empty file: no demo shop is made in it.
        pasta.escreve(QStringLiteral("shop.db"), QByteArray());
    }
    const QString e = dm->DataModuleCreate(c);
    if (erro)
        *erro = e;
    return dm;
}
