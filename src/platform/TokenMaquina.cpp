#include "TokenMaquina.h"

#include "Arquivos.h"
#include "CodePage.h"
#include "Falha.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QSysInfo>

namespace
{

// The plugin writes a length byte followed by up to 255 single-byte characters into the
// 256-byte buffer it is given.
using FuncaoToken = void (*)(unsigned char* buffer);

QString tokenDoPlugin(const QString& caminho)
{
    QLibrary biblioteca(caminho);
    if (!biblioteca.load())
        throw Falha(biblioteca.errorString());
    auto funcao = reinterpret_cast<FuncaoToken>(biblioteca.resolve("ID_Token"));
    if (!funcao) {
        const QString erro = biblioteca.errorString();
        biblioteca.unload();
        throw Falha(erro);
    }
    unsigned char buffer[256] = {};
    funcao(buffer);
    biblioteca.unload();
    const QByteArray bruto(reinterpret_cast<const char*>(buffer + 1), buffer[0]);
    return CodePage::deWindows1252(bruto).left(kTamanhoToken);
}

QByteArray identidadeDaMaquina()
{
    for (const char* arquivo : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        QFile f(QString::fromLatin1(arquivo));
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray id = f.readAll().trimmed();
            if (!id.isEmpty())
                return id;
        }
    }
    return QSysInfo::machineUniqueId();
}

} // namespace

QString tokenDerivado(const QByteArray& identidade)
{
    if (identidade.trimmed().isEmpty())
        return QString();
    // A digest rather than the id itself: the id stays private and the token fits the column.
    const QByteArray resumo = QCryptographicHash::hash("brisvel-terminal:" + identidade.trimmed(),
                                                       QCryptographicHash::Sha256)
                                  .toHex()
                                  .toUpper();
    return QString::fromLatin1(resumo.left(kTamanhoToken));
}

QString TokenMaquina()
{
    for (const char* nome : {"Orlix_Func.so", "libOrlix_Func.so"}) {
        const QString caminho = PastaPrograma() + QLatin1String(nome);
        if (QFileInfo::exists(caminho))
            return tokenDoPlugin(caminho);
    }
    return tokenDerivado(identidadeDaMaquina());
}
